#include "base/cnp.h"

#include <QDate>

namespace {

int Cifra(const QString& text, int pozitie)
{
    return text.at(pozitie).digitValue();
}

int Numar2(const QString& text, int pozitie)
{
    return Cifra(text, pozitie) * 10 + Cifra(text, pozitie + 1);
}

} // namespace

QString ProblemaCNP(const QString& text)
{
    if (text.size() != 13)
        return QStringLiteral("are %1 caractere in loc de 13 cifre").arg(text.size());
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return QStringLiteral("contine si altceva decat cifre");
    if (!QStringLiteral("1256").contains(text.at(0)))
        return QStringLiteral("prima cifra este %1, dar poate fi doar 1, 2, 5 sau 6").arg(text.at(0));
    const int an = Numar2(text, 1);
    const QDate nastere(an < 5 ? 2000 + an : 1900 + an, Numar2(text, 3), Numar2(text, 5));
    if (!nastere.isValid())
        return QStringLiteral("data nasterii (cifrele 2-7: %1) nu este o data").arg(text.mid(1, 6));
    static const int ponderi[] = {2, 7, 9, 1, 4, 6, 3, 5, 8, 2, 7, 9};
    int suma = 0;
    for (int i = 0; i < 12; ++i)
        suma += Cifra(text, i) * ponderi[i];
    const int rest = suma % 11 == 10 ? 1 : suma % 11;
    if (rest != Cifra(text, 12))
        return QStringLiteral("cifra de control este %1, dar trebuie sa fie %2").arg(Cifra(text, 12)).arg(rest);
    return {};
}

bool EsteCNPValid(const QString& text)
{
    return ProblemaCNP(text).isEmpty();
}
