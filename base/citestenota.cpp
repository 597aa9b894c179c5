#include "base/citestenota.h"

#include <limits>

namespace {

// The most integer digits whose value times 10000 still fits into 64 bits.
constexpr int CifreIntregiMaxime = 14;

} // namespace

qint64 CitesteNota(const QString& text)
{
    QString intregi, zecimale;
    int parte = 1;
    for (const QChar c : text) {
        if (c == QLatin1Char(',') || c == QLatin1Char('.'))
            ++parte;
        else if (c >= QLatin1Char('0') && c <= QLatin1Char('9') && parte <= 2)
            (parte == 1 ? intregi : zecimale).append(c);
    }
    // More integer digits than a fixed-point value can hold reads as the largest value: it
    // must never wrap round into something that passes for a mark.
    while (intregi.startsWith(QLatin1Char('0')))
        intregi.remove(0, 1);
    if (intregi.size() > CifreIntregiMaxime)
        return std::numeric_limits<qint64>::max();
    const qint64 parteIntreaga = intregi.isEmpty() ? 0 : intregi.toLongLong();
    const qint64 sutimi = zecimale.isEmpty() ? 0 : zecimale.left(2).leftJustified(2, QLatin1Char('0')).toLongLong();
    return parteIntreaga * 10000 + sutimi * 100;
}

TNotaStocata CitesteNotaStocata(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    // Digits, then at most one decimal separator followed by digits: nothing else is a mark.
    int separatoare = 0;
    int cifreIntregi = 0;
    bool cifreDupaSeparator = false;
    for (const QChar c : t) {
        if (c == QLatin1Char(',') || c == QLatin1Char('.'))
            ++separatoare;
        else if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return {TNotaStocata::NuEsteNota, 0};
        else if (separatoare == 0)
            ++cifreIntregi;
        else
            cifreDupaSeparator = true;
    }
    if (separatoare > 1 || cifreIntregi == 0 || cifreIntregi > 2 || (separatoare == 1 && !cifreDupaSeparator))
        return {TNotaStocata::NuEsteNota, 0};
    const qint64 valoare = CitesteNota(t);
    if (valoare < 50000 || valoare > 100000)
        return {TNotaStocata::NuEsteNota, 0};
    return {TNotaStocata::Nota, valoare};
}
