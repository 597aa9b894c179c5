#include "print/numarzecimal.h"

#include "base/eroare.h"

#include <QLocale>

namespace {

QLocale LocalFaraGrupare()
{
    QLocale local;
    local.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return local;
}

} // namespace

QString TextZecimal(double valoare)
{
    return LocalFaraGrupare().toString(valoare, 'g', 15);
}

double CitesteZecimal(const QString& text)
{
    bool ok = false;
    const double valoare = LocalFaraGrupare().toDouble(text.trimmed(), &ok);
    if (!ok)
        throw EEroare(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return valoare;
}

int CitesteIntreg(const QString& text)
{
    bool ok = false;
    const int valoare = text.trimmed().toInt(&ok, 10);
    if (!ok)
        throw EEroare(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return valoare;
}
