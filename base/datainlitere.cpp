#include "base/datainlitere.h"

namespace {

const char* const Luni[] = {"ianuarie", "februarie", "martie",     "aprilie",   "mai",       "iunie",
                            "iulie",    "august",    "septembrie", "octombrie", "noiembrie", "decembrie"};

QString DouaCifre(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

QString DataInLitere(const QDate& data)
{
    if (!data.isValid())
        return QString();
    return QStringLiteral("%1 %2 %3")
        .arg(data.day())
        .arg(QLatin1String(Luni[data.month() - 1]))
        .arg(data.year(), 4, 10, QLatin1Char('0'));
}

QString DataZiLuna(const QDate& data)
{
    if (!data.isValid())
        return QString();
    return DouaCifre(data.day()) + u'/' + DouaCifre(data.month());
}

QString DataScurta(const QDate& data)
{
    if (!data.isValid())
        return QString();
    const QString an = QString::number(data.year()).leftJustified(4, u'?');
    return DataZiLuna(data) + u'/' + an.mid(2, 2);
}
