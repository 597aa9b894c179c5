#include "base/notainlitere.h"

namespace {

const char16_t* const Unitati[] = {u"UNU", u"DOI", u"TREI", u"PATRU", u"CINCI",
                                   u"ŞASE", u"ŞAPTE", u"OPT", u"NOUĂ", u"ZECE"};

const char16_t* const Sprezece[] = {u"UNSPREZECE", u"DOISPREZECE", u"TREISPREZECE",
                                    u"PAISPREZECE", u"CINCISPREZECE", u"ŞAISPREZECE",
                                    u"ŞAPTESPREZECE", u"OPTSPREZECE", u"NOUĂSPREZECE"};

const char16_t* const Zeci[] = {u"DOUĂZECI", u"TREIZECI", u"PATRUZECI", u"CINCIZECI",
                                u"ŞAIZECI", u"ŞAPTEZECI", u"OPTZECI", u"NOUĂZECI"};

// 1 to 10; empty outside.
QString CuvantUnitati(int n)
{
    return n >= 1 && n <= 10 ? QString::fromUtf16(Unitati[n - 1]) : QString();
}

// The hundredths 1 to 99 read as a number of their own ("ZEROUNU", "ŞAIZECIŞITREI").
QString CuvantSutimi(int h)
{
    if (h >= 1 && h <= 9)
        return QStringLiteral("ZERO") + CuvantUnitati(h);
    if (h == 10)
        return CuvantUnitati(10);
    if (h >= 11 && h <= 19)
        return QString::fromUtf16(Sprezece[h - 11]);
    if (h >= 20 && h <= 99) {
        const QString zeci = QString::fromUtf16(Zeci[h / 10 - 2]);
        return h % 10 == 0 ? zeci : zeci + QStringLiteral("ŞI") + CuvantUnitati(h % 10);
    }
    return QString();
}

} // namespace

QString NotaInLitere(qint32 nota, int format)
{
    const int intreg = nota / 100;
    const int sutimi = nota % 100;
    const QString cuvantIntreg = CuvantUnitati(intreg);

    QString litere = cuvantIntreg;
    QString cifre = cuvantIntreg;
    const bool doarIntreg = intreg == 10 || sutimi == 0;
    if (!doarIntreg) {
        cifre += QStringLiteral(", ") + QString::number(sutimi / 10) + QString::number(sutimi % 10);
        litere += QStringLiteral(", ") + CuvantSutimi(sutimi);
    }

    switch (format) {
    case 1: return u'(' + litere + u')';
    case 2: return u'(' + cifre + u')';
    case 3: return u'(' + cifre + (doarIntreg ? QStringLiteral(")") : QStringLiteral("%)"));
    default: return QString();
    }
}
