#include "registre/textcelula.h"

#include "registre/formatnumar.h"

#include <algorithm>
#include <cmath>

namespace {

bool DeTaiat(QChar c)
{
    return c.isSpace() || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
}

bool VirgulaDedesubt(QChar c)
{
    return c.unicode() >= 0x0218 && c.unicode() <= 0x021B;
}

// Leading blanks as long as a cell are possible before the text; twice a cell keeps the text.
constexpr qsizetype CaractereAdunate = 2 * CaractereCelula;

} // namespace

QString TextCuratat(const QString& text)
{
    qsizetype inceput = 0;
    qsizetype sfarsit = text.size();
    while (inceput < sfarsit && DeTaiat(text.at(inceput)))
        ++inceput;
    if (sfarsit - inceput > CaractereCelula) {
        sfarsit = inceput + CaractereCelula;
        // Never half a surrogate pair.
        if (text.at(sfarsit - 1).isHighSurrogate())
            --sfarsit;
    }
    while (sfarsit > inceput && DeTaiat(text.at(sfarsit - 1)))
        --sfarsit;
    const QStringView pastrat = QStringView(text).mid(inceput, sfarsit - inceput);
    const bool deInlocuit = std::any_of(pastrat.begin(), pastrat.end(), VirgulaDedesubt);
    if (inceput == 0 && sfarsit == text.size() && !deInlocuit)
        return text;
    QString rezultat = pastrat.toString();
    if (!deInlocuit)
        return rezultat;
    for (QChar& c : rezultat) {
        switch (c.unicode()) {
        case 0x0218: c = QChar(0x015E); break;  // Ș -> Ş
        case 0x0219: c = QChar(0x015F); break;  // ș -> ş
        case 0x021A: c = QChar(0x0162); break;  // Ț -> Ţ
        case 0x021B: c = QChar(0x0163); break;  // ț -> ţ
        default: break;
        }
    }
    return rezultat;
}

void AdaugaLaCelula(QString& text, QStringView parte)
{
    if (text.size() < CaractereAdunate)
        text += parte.left(CaractereAdunate - text.size());
}

QString TextNumeric(double valoare, const TFormatNumar& format, bool sistem1904)
{
    if (valoare >= 1e12 && valoare < 1e13 && valoare == std::floor(valoare))
        return QString::number(qint64(valoare));
    return TextCuratat(format.Aplica(valoare, sistem1904));
}
