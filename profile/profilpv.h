#pragma once

#include "profile/inregistrare.h"

// The 50 fields of the certificate's two pages.
class TListaLiniiProfilDiplomaPV : public TListaLiniiProfilDiploma {
public:
    TListaLiniiProfilDiplomaPV();
};

// The two entity tables: pupils and school.
class TListaLiniiTabelPV : public TListaLiniiTabel {
public:
    TListaLiniiTabelPV();
};

class TClasaProfilDiplomaPV final : public TClasaProfilDiploma {
public:
    QString NumeClasa() const override;
    std::unique_ptr<TListaLiniiProfilDiploma> Create() const override;
    QString NumeBazaDeDate() const override;
    QString ListaCampuriElev() const override;
    QString ListaCampuriGeneric() const override;
};

class TClasaListaTabelPV final : public TClasaListaTabele {
public:
    QString NumeClasa() const override;
    std::unique_ptr<TListaLiniiTabel> Create() const override;
};

extern const TClasaProfilDiplomaPV ClasaProfilDiplomaPV;
extern const TClasaListaTabelPV ClasaListaTabelPV;

// Registers the certificate's profile and table list, once however often it is called; the
// start-up calls it before anything reads the profile.
void InregistreazaProfilPV();
