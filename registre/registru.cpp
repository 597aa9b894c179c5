#include "registre/registru.h"

#include "registre/arhivazip.h"
#include "registre/eroriregistru.h"
#include "registre/registrucsv.h"
#include "registre/registruods.h"
#include "registre/registruxls.h"
#include "registre/registruxlsx.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QByteArray SemnaturaOle("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

// A text file has no control bytes besides tab, line ends and form feed, unless it is UTF-16.
bool PareText(const QByteArray& octeti)
{
    if (octeti.startsWith("\xFF\xFE") || octeti.startsWith("\xFE\xFF"))
        return true;
    const qsizetype n = std::min<qsizetype>(octeti.size(), 1 << 16);
    for (qsizetype i = 0; i < n; ++i) {
        const quint8 c = quint8(octeti[i]);
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f')
            return false;
    }
    return true;
}

bool EsteBiffVechi(const QByteArray& octeti)
{
    if (octeti.size() < 4 || octeti[1] > 0x08 || octeti[2] > 0x20)
        return false;
    const quint16 tip = quint16(quint8(octeti[0]) | quint8(octeti[1]) << 8);
    return tip == 0x0009 || tip == 0x0209 || tip == 0x0409 || tip == 0x0809;
}

std::unique_ptr<TRegistru> DeschideZip(const QByteArray& octeti, const QString& numeFisier)
{
    const TArhivaZip zip(octeti, numeFisier);
    if (zip.Citeste(QStringLiteral("mimetype")).trimmed().startsWith("application/vnd.oasis.opendocument.spreadsheet") ||
        (!zip.Are(QStringLiteral("[Content_Types].xml")) && zip.Are(QStringLiteral("content.xml"))))
        return std::make_unique<TRegistruOds>(octeti, numeFisier);
    if (zip.Are(QStringLiteral("[Content_Types].xml")))
        return std::make_unique<TRegistruXlsx>(octeti, numeFisier);
    throw EroriRegistru::Necunoscut(numeFisier);
}

} // namespace

const TFoaie& TRegistru::Foaie(const QString& nume)
{
    const int indice = int(Foi().indexOf(nume));
    if (indice < 0)
        throw EroriRegistru::FaraFoaie(nume);
    auto it = m_citite.find(indice);
    if (it == m_citite.end())
        it = m_citite.emplace(indice, CitesteFoaie(indice)).first;
    return it->second;
}

std::unique_ptr<TRegistru> DeschideRegistruDinOcteti(const QByteArray& octeti, const QString& numeFisier)
{
    if (octeti.startsWith("PK\x03\x04") || octeti.startsWith("PK\x05\x06"))
        return DeschideZip(octeti, numeFisier);
    if (octeti.startsWith(SemnaturaOle))
        return std::make_unique<TRegistruXls>(octeti, numeFisier);
    if (EsteBiffVechi(octeti))
        throw EroriRegistru::Excel95(numeFisier);
    if (!octeti.isEmpty() && PareText(octeti))
        return std::make_unique<TRegistruCsv>(octeti, numeFisier);
    throw EroriRegistru::Necunoscut(numeFisier);
}

std::unique_ptr<TRegistru> DeschideRegistru(const QString& cale)
{
    const QFileInfo info(cale);
    if (!info.exists())
        throw EroriRegistru::Lipsa(cale);
    QFile fisier(cale);
    if (info.isDir() || !fisier.open(QIODevice::ReadOnly))
        throw EroriRegistru::Necitibil(cale);
    if (fisier.size() > EroriRegistru::OctetiMaximi)
        throw EroriRegistru::PreaMare(info.fileName());
    const QByteArray octeti = fisier.readAll();
    if (octeti.size() != fisier.size())
        throw EroriRegistru::Necitibil(cale);
    return DeschideRegistruDinOcteti(octeti, info.fileName());
}
