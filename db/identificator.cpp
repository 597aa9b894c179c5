#include "db/identificator.h"

#include "base/eroare.h"

#include <QRegularExpression>

namespace {

const int LungimeMaximaIdentificator = 31;
// "FK_" + T + "_1" and "G_ID_" + T are the longest names made from a table name.
const int PrefixSiSufixMaxim = 5;

} // namespace

const QString& NumeTabelVerificat(const QString& nume)
{
    // Anchored on the whole text: "$" alone also matches before a final line break.
    static const QRegularExpression identificator(QRegularExpression::anchoredPattern(
        QStringLiteral("[A-Za-z][A-Za-z0-9_$]{0,%1}").arg(LungimeMaximaIdentificator - 1)));
    if (!identificator.match(nume).hasMatch())
        throw EEroare(QStringLiteral("Numele de tabel \"%1\" nu este un identificator valid.").arg(nume));
    return nume;
}

const QString& NumeTabelPentruStructuri(const QString& nume)
{
    NumeTabelVerificat(nume);
    if (nume != nume.toUpper())
        throw EEroare(QStringLiteral("Numele de tabel \"%1\" trebuie scris cu majuscule.").arg(nume));
    if (nume.size() + PrefixSiSufixMaxim > LungimeMaximaIdentificator)
        throw EEroare(QStringLiteral("Numele de tabel \"%1\" are %2 caractere; cel mult %3 sunt permise, ca sa "
                                     "incapa numele cheilor si al generatorului.")
                          .arg(nume)
                          .arg(nume.size())
                          .arg(LungimeMaximaIdentificator - PrefixSiSufixMaxim));
    return nume;
}
