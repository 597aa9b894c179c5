#pragma once

#include "profile/listaliniiprofil.h"

#include <QString>
#include <memory>

// The class of a profile, asked for its class functions without an instance and for
// new instances (which fill their lines on creation).
class TClasaProfilDiploma {
public:
    virtual ~TClasaProfilDiploma() = default;
    virtual QString NumeClasa() const = 0;
    virtual std::unique_ptr<TListaLiniiProfilDiploma> Create() const = 0;
    // The profile's name, which is also the database file's name.
    virtual QString NumeBazaDeDate() const = 0;
    // Display expression of a pupil in the pupil list.
    virtual QString ListaCampuriElev() const;
    // Display expression of a row of a generic entity list.
    virtual QString ListaCampuriGeneric() const;
};

class TClasaListaTabele {
public:
    virtual ~TClasaListaTabele() = default;
    virtual QString NumeClasa() const = 0;
    virtual std::unique_ptr<TListaLiniiTabel> Create() const = 0;
};

// Registration slots, filled once before the program body runs; a second registration of
// the same kind fails. The classes are not owned (they are static objects).
void InregistreazaProfil(const TClasaProfilDiploma* clasa);
void InregistreazaListaTabele(const TClasaListaTabele* clasa);
const TClasaProfilDiploma* ProfilInregistrat();
const TClasaListaTabele* ListaTabeleInregistrata();
// The registered profile; without one, the failure "NU ai definit profilul diplomei".
const TClasaProfilDiploma& ProfilCerut();
