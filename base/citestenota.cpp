#include "base/citestenota.h"

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
    const qint64 parteIntreaga = intregi.isEmpty() ? 0 : intregi.toLongLong();
    const qint64 sutimi = zecimale.isEmpty() ? 0 : zecimale.left(2).leftJustified(2, QLatin1Char('0')).toLongLong();
    return parteIntreaga * 10000 + sutimi * 100;
}
