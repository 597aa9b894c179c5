#include "print/formularpravent.h"

#include "base/eroare.h"

#include <QtGlobal>

void IncarcaResurseleCertificatului()
{
    static const bool incarcate = [] {
        Q_INIT_RESOURCE(formularpravent);
        Q_INIT_RESOURCE(imaginicarton);
        return true;
    }();
    Q_UNUSED(incarcate);
}

QString CaleFormularPravent()
{
    IncarcaResurseleCertificatului();
    return QStringLiteral(":/resources/pravent.json");
}

void CerePaginileCertificatului(qsizetype pagini)
{
    if (pagini != 2)
        throw EEroare(QStringLiteral("Formularul certificatului trebuie sa aiba doua pagini."));
}
