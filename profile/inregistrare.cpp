#include "profile/inregistrare.h"

#include "base/eroare.h"

namespace {

// Function-local slots: registration runs during static initialisation of other units.
const TClasaProfilDiploma*& SlotProfil()
{
    static const TClasaProfilDiploma* slot = nullptr;
    return slot;
}

const TClasaListaTabele*& SlotListaTabele()
{
    static const TClasaListaTabele* slot = nullptr;
    return slot;
}

QString DejaInregistrat()
{
    return QStringLiteral("Am inregistrat deja un profil de diploma: ");
}

} // namespace

QString TClasaProfilDiploma::ListaCampuriElev() const
{
    throw EEroare(QStringLiteral("Nu ai definit %1.ListaCampuriElev; Lista trebuie sa fie de tipul "
                                 "\"{FORMULAR.PAG.CAMP} {FORMULAR.PAG.CAMP}\"")
                      .arg(NumeClasa()));
}

QString TClasaProfilDiploma::ListaCampuriGeneric() const
{
    throw EEroare(QStringLiteral("Nu ai definit %1.ListaCampuriGeneric; Lisra trebuie sa fie de tipul "
                                 "\"{FORMULAR.PAG.CAMP} {FORMULAR.PAG.CAMP}\"")
                      .arg(NumeClasa()));
}

void InregistreazaProfil(const TClasaProfilDiploma* clasa)
{
    if (SlotProfil())
        throw EEroare(DejaInregistrat() + SlotProfil()->NumeClasa());
    SlotProfil() = clasa;
}

void InregistreazaListaTabele(const TClasaListaTabele* clasa)
{
    if (SlotListaTabele())
        throw EEroare(DejaInregistrat() + SlotListaTabele()->NumeClasa());
    SlotListaTabele() = clasa;
}

const TClasaProfilDiploma* ProfilInregistrat()
{
    return SlotProfil();
}

const TClasaListaTabele* ListaTabeleInregistrata()
{
    return SlotListaTabele();
}

const TClasaProfilDiploma& ProfilCerut()
{
    const TClasaProfilDiploma* profil = ProfilInregistrat();
    if (!profil)
        throw EEroare(QStringLiteral("NU ai definit profilul diplomei"));
    return *profil;
}
