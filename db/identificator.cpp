#include "db/identificator.h"

#include "base/eroare.h"

#include <QRegularExpression>

const QString& NumeTabelVerificat(const QString& nume)
{
    static const QRegularExpression identificator(QStringLiteral("^[A-Za-z][A-Za-z0-9_$]{0,30}$"));
    if (!identificator.match(nume).hasMatch())
        throw EEroare(QStringLiteral("Numele de tabel \"%1\" nu este un identificator valid.").arg(nume));
    return nume;
}
