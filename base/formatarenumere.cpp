#include "base/formatarenumere.h"

namespace {

QString CifreGrupate(quint64 valoare)
{
    const QString cifre = QString::number(valoare);
    QString rezultat;
    for (qsizetype pozitie = 0; pozitie < cifre.size(); ++pozitie) {
        const QChar cifra = cifre[cifre.size() - 1 - pozitie];
        if (pozitie != 0 && pozitie % 3 == 0)
            rezultat.prepend(u'.');
        rezultat.prepend(cifra);
    }
    return rezultat;
}

} // namespace

QString FormateazaSuma(int zecimale, qint64 zecimiiDeMii)
{
    // Unsigned, so that the most negative amount has an absolute value too.
    const quint64 absolut = zecimiiDeMii < 0 ? 0 - static_cast<quint64>(zecimiiDeMii)
                                             : static_cast<quint64>(zecimiiDeMii);
    QString rezultat = CifreGrupate(absolut / 10000);
    if (zecimale > 0) {
        const QString fractie = QStringLiteral("%1").arg(absolut % 10000, 4, 10, QLatin1Char('0'));
        rezultat += u',' + fractie.left(zecimale);
    }
    return zecimiiDeMii < 0 ? u'-' + rezultat : rezultat;
}

QString DoarCifre(const QString& text)
{
    QString rezultat;
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9')
            rezultat += c;
    }
    return rezultat;
}
