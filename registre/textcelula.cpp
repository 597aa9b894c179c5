#include "registre/textcelula.h"

#include "registre/formatnumar.h"

#include <cmath>

namespace {

bool DeTaiat(QChar c)
{
    return c.isSpace() || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
}

} // namespace

QString TextCuratat(const QString& text)
{
    qsizetype inceput = 0;
    qsizetype sfarsit = text.size();
    while (inceput < sfarsit && DeTaiat(text.at(inceput)))
        ++inceput;
    while (sfarsit > inceput && DeTaiat(text.at(sfarsit - 1)))
        --sfarsit;
    QString rezultat = text.mid(inceput, sfarsit - inceput);
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

QString TextNumeric(double valoare, const TFormatNumar& format, bool sistem1904)
{
    if (valoare >= 1e12 && valoare < 1e13 && valoare == std::floor(valoare))
        return QString::number(qint64(valoare));
    return TextCuratat(format.Aplica(valoare, sistem1904));
}
