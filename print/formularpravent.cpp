#include "print/formularpravent.h"

#include "base/eroare.h"

QString CaleFormularPravent()
{
    return QStringLiteral(":/resources/pravent.json");
}

void CerePaginileCertificatului(qsizetype pagini)
{
    if (pagini != 2)
        throw EEroare(QStringLiteral("Formularul certificatului trebuie sa aiba doua pagini."));
}
