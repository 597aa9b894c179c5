#include "registre/registrucsv.h"

#include "registre/textcelula.h"

#include <QFileInfo>
#include <QStringDecoder>

#include <map>

namespace {

// Counts a delimiter per record of the first lines, outside quotes.
std::vector<int> NumarariPeRand(const QString& text, QChar delimitator, int randuri)
{
    std::vector<int> numarari(1, 0);
    bool inGhilimele = false;
    for (const QChar c : text) {
        if (c == u'"')
            inGhilimele = !inGhilimele;
        else if (!inGhilimele && c == delimitator)
            ++numarari.back();
        else if (!inGhilimele && c == u'\n') {
            if (int(numarari.size()) >= randuri)
                break;
            numarari.push_back(0);
        }
    }
    return numarari;
}

// How many of the first records split into the same number of fields, the most common
// non-zero count: titles and short total rows do not decide.
int Scor(const std::vector<int>& numarari)
{
    std::map<int, int> frecvente;
    for (const int n : numarari)
        if (n > 0)
            ++frecvente[n];
    int scor = 0;
    for (const auto& [n, frecventa] : frecvente)
        scor = std::max(scor, frecventa);
    return scor;
}

} // namespace

QString DecodeazaTextCsv(const QByteArray& octeti)
{
    if (octeti.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(octeti.mid(3));
    if (octeti.startsWith("\xFF\xFE") || octeti.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(octeti.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        return utf16(octeti.mid(2));
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(octeti);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows1250("windows-1250");
    if (windows1250.isValid())
        return windows1250(octeti);
    return QString::fromLatin1(octeti);
}

QChar DelimitatorCsv(const QString& text)
{
    QChar ales = u';';
    int scorMaxim = 0;
    for (const QChar candidat : {QChar(u';'), QChar(u'\t'), QChar(u',')}) {
        const int scor = Scor(NumarariPeRand(text, candidat, 30));
        if (scor > scorMaxim) {
            scorMaxim = scor;
            ales = candidat;
        }
    }
    return ales;
}

TRegistruCsv::TRegistruCsv(const QByteArray& octeti, const QString& numeFisier)
    : m_text(DecodeazaTextCsv(octeti))
    , m_numeFoaie(QFileInfo(numeFisier).completeBaseName())
{
    if (m_numeFoaie.isEmpty())
        m_numeFoaie = QStringLiteral("Foaie1");
}

QStringList TRegistruCsv::Foi() const
{
    return {m_numeFoaie};
}

TFoaie TRegistruCsv::CitesteFoaie(int)
{
    TFoaie foaie(m_numeFoaie);
    QStringView text(m_text);
    // Excel's "sep=;" first line names the delimiter.
    QChar delimitator;
    if (text.startsWith(QLatin1String("sep=")) && text.size() >= 5) {
        delimitator = text.at(4);
        const qsizetype sfarsit = text.indexOf(u'\n');
        text = sfarsit < 0 ? QStringView() : text.mid(sfarsit + 1);
    } else {
        delimitator = DelimitatorCsv(m_text.left(1 << 16));
    }
    int rand = 0;
    int coloana = 0;
    QString camp;
    bool inGhilimele = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (inGhilimele) {
            if (c != u'"')
                AdaugaLaCelula(camp, QStringView(&c, 1));
            else if (i + 1 < text.size() && text.at(i + 1) == u'"')
                AdaugaLaCelula(camp, text.mid(++i, 1));
            else
                inGhilimele = false;
        } else if (c == u'"') {
            inGhilimele = true;
        } else if (c == delimitator) {
            foaie.Pune(rand, coloana++, camp);
            camp.clear();
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            foaie.Pune(rand++, coloana, camp);
            camp.clear();
            coloana = 0;
        } else {
            AdaugaLaCelula(camp, QStringView(&c, 1));
        }
    }
    foaie.Pune(rand, coloana, camp);
    return foaie;
}
