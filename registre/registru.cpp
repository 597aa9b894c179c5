#include "registre/registru.h"

#include "registre/arhivazip.h"
#include "registre/eroriregistru.h"
#include "registre/registrucsv.h"
#include "registre/registruods.h"
#include "registre/registruxls.h"
#include "registre/registruxlsx.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

#ifdef Q_OS_UNIX
// Opened without blocking, as a pipe would wait for a writer for ever, and judged by the open
// descriptor, not by the name: a device or a pipe is refused before a byte is read.
QByteArray CitesteFisierObisnuit(const QString& cale)
{
    const int descriptor = ::open(QFile::encodeName(cale).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        throw errno == ENOENT ? EroriRegistru::Lipsa(cale) : EroriRegistru::Necitibil(cale);
    const auto inchide = qScopeGuard([descriptor] { ::close(descriptor); });
    struct stat stare {};
    if (::fstat(descriptor, &stare) != 0)
        throw EroriRegistru::Necitibil(cale);
    if (S_ISDIR(stare.st_mode))
        throw EroriRegistru::Necitibil(cale);
    if (!S_ISREG(stare.st_mode))
        throw EroriRegistru::NuEsteFisier(cale);
    const QString nume = QFileInfo(cale).fileName();
    if (stare.st_size > EroriRegistru::OctetiMaximi)
        throw EroriRegistru::PreaMare(nume);
    // The size seen may lie (a file still growing): no more than the bound is read anyway.
    QByteArray octeti;
    octeti.reserve(qsizetype(stare.st_size));
    char bucata[65536];
    for (;;) {
        const ssize_t citit = ::read(descriptor, bucata, sizeof bucata);
        if (citit < 0 && errno == EINTR)
            continue;
        if (citit < 0)
            throw EroriRegistru::Necitibil(cale);
        if (citit == 0)
            return octeti;
        if (octeti.size() + citit > EroriRegistru::OctetiMaximi)
            throw EroriRegistru::PreaMare(nume);
        octeti.append(bucata, qsizetype(citit));
    }
}
#else
QByteArray CitesteFisierObisnuit(const QString& cale)
{
    const QFileInfo info(cale);
    if (!info.exists())
        throw EroriRegistru::Lipsa(cale);
    if (!info.isFile() && !info.isDir())
        throw EroriRegistru::NuEsteFisier(cale);
    QFile fisier(cale);
    if (info.isDir() || !fisier.open(QIODevice::ReadOnly))
        throw EroriRegistru::Necitibil(cale);
    if (fisier.size() > EroriRegistru::OctetiMaximi)
        throw EroriRegistru::PreaMare(info.fileName());
    const QByteArray octeti = fisier.read(EroriRegistru::OctetiMaximi + 1);
    if (octeti.size() > EroriRegistru::OctetiMaximi)
        throw EroriRegistru::PreaMare(info.fileName());
    return octeti;
}
#endif

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
    return DeschideRegistruDinOcteti(CitesteFisierObisnuit(cale), QFileInfo(cale).fileName());
}
