#include "profile/profilpv.h"

#include "profile/inregistrare.h"

// The certificate of passing the national tests: every field of the front ("FATA") and the
// back ("SPATE"), counterfoil fields "C_", certificate fields "D_". Rows that look odd beside
// their neighbours (the front "D_PRESEDINTE" caption, the type and marker of
// "D_LB_MATERNA_NOTA") are as the printed card needs them; do not "tidy" them.
TListaLiniiProfilDiplomaPV::TListaLiniiProfilDiplomaPV()
{
    AdaugaLinie("PV", "FATA", "C_ABREVIERE", "[Candidat]Abreviere{cotor}", "", "DA", "TEXT", "ELEVI",
                "", 96, "L1");
    AdaugaLinie("PV", "FATA", "C_NUME", "[Candidat]Numele elevului (linia 1){cotor}", "", "DA", "TEXT", "ELEVI",
                "", 200, "L1");
    AdaugaLinie("PV", "FATA", "C_PRENUME", "[Candidat]Prenumele elevului (linia 2){cotor}", "", "DA", "TEXT", "ELEVI",
                "", 200, "L1");
    AdaugaLinie("PV", "FATA", "C_CNP", "[Candidat]CNP{cotor}", "", "DA", "CNP", "ELEVI",
                "", 0, "");
    AdaugaLinie("PV", "FATA", "C_ARTICOL", "[Candidat]Articol{cotor}", "", "DA", "TEXT", "ELEVI",
                "", 0, "");
    AdaugaLinie("PV", "FATA", "C_UNITATEA_L1", "[Scoala]Unitatea de invatamant (linia 1){cotor}", "", "DA", "TEXT", "SCOALA",
                "", 0, "");
    AdaugaLinie("PV", "FATA", "C_UNITATEA_L2", "[Scoala]Unitatea de invatamant (linia 2){cotor}", "", "DA", "TEXT", "SCOALA",
                "", 0, "");
    AdaugaLinie("PV", "FATA", "C_COD_SIRUES", "[Scoala]Cod SIRUES{cotor}", "", "DA", "SIRUES", "SCOALA",
                "", 0, "");
    AdaugaLinie("PV", "FATA", "C_LOCALITATEA", "[Scoala]Localitatea{cotor}", "", "DA", "TEXT", "SCOALA",
                "", 0, "");
    AdaugaLinie("PV", "FATA", "C_JUDETUL", "[Scoala]Judetul{cotor}", "", "DA", "TEXT", "SCOALA",
                "", 0, "");
    AdaugaLinie("PV", "FATA", "C_SESIUNEA", "[Scoala]Sesiunea{cotor}", "", "DA", "TEXT", "SCOALA",
                "", 0, "");
    AdaugaLinie("PV", "FATA", "C_PRESEDINTE", "[Comisie]Presedinte{cotor}", "", "DA", "TEXT", "SCOALA",
                "", 0, "");
    AdaugaLinie("PV", "FATA", "D_ABREVIERE", "[Candidat]Abreviere{diploma}", "", "DA", "TEXT", "ELEVI",
                "PV.FATA.C_ABREVIERE", 0, "");
    AdaugaLinie("PV", "FATA", "D_NUME", "[Candidat]Nume si prenume{diploma}", "", "DA", "TEXT", "ELEVI",
                "", 0, "");
    AdaugaLinie("PV", "FATA", "D_CNP", "[Candidat]CNP{diploma}", "", "DA", "CNP", "ELEVI",
                "PV.FATA.C_CNP", 0, "");
    AdaugaLinie("PV", "FATA", "D_ARTICOL", "[Candidat]Articol{diploma}", "", "DA", "TEXT", "ELEVI",
                "PV.FATA.C_ARTICOL", 0, "");
    AdaugaLinie("PV", "FATA", "D_UNITATEA", "[Scoala]Unitatea{diploma}", "", "DA", "TEXT", "SCOALA",
                "", 0, "");
    AdaugaLinie("PV", "FATA", "D_COD_SIRUES", "[Scoala]Cod SIRUES{diploma}", "", "DA", "SIRUES", "SCOALA",
                "PV.FATA.C_COD_SIRUES", 0, "");
    AdaugaLinie("PV", "FATA", "D_LOCALITATEA", "[Scoala]Localitatea{diploma}", "", "DA", "TEXT", "SCOALA",
                "PV.FATA.C_LOCALITATEA", 0, "");
    AdaugaLinie("PV", "FATA", "D_JUDETUL", "[Scoala]Judetul{diploma}", "", "DA", "TEXT", "SCOALA",
                "PV.FATA.C_JUDETUL", 0, "");
    AdaugaLinie("PV", "FATA", "D_SESIUNEA", "[Scoala]Sesiunea{diploma}", "", "DA", "TEXT", "SCOALA",
                "PV.FATA.C_SESIUNEA", 0, "");
    AdaugaLinie("PV", "FATA", "D_PRESEDINTE", "[Comisie]Presedinte{cotor}", "", "DA", "TEXT", "SCOALA",
                "PV.FATA.C_PRESEDINTE", 0, "");
    AdaugaLinie("PV", "SPATE", "C_UNITATEA_L1", "[Scoala]Unitatea de invatamant linia 1{cotor}", "", "DA", "TEXT", "SCOALA",
                "PV.FATA.C_UNITATEA_L1", 0, "");
    AdaugaLinie("PV", "SPATE", "C_UNITATEA_L2", "[Scoala]Unitatea de invatamant linia 2{cotor}", "", "DA", "TEXT", "SCOALA",
                "PV.FATA.C_UNITATEA_L2", 0, "");
    AdaugaLinie("PV", "SPATE", "C_LOCALITATEA", "[Scoala]Localitatea{cotor}", "", "DA", "TEXT", "SCOALA",
                "PV.FATA.C_LOCALITATEA", 0, "");
    AdaugaLinie("PV", "SPATE", "C_JUDETUL", "[Scoala]Judetul{cotor}", "", "DA", "TEXT", "SCOALA",
                "PV.FATA.C_JUDETUL", 0, "");
    AdaugaLinie("PV", "SPATE", "C_SESIUNEA", "[Scoala]Sesiunea{cotor}", "", "DA", "TEXT", "SCOALA",
                "PV.FATA.C_SESIUNEA", 0, "");
    AdaugaLinie("PV", "SPATE", "C_LB_ROMANA", "[NOTA]Nota obtinuta la limba si literatura romana{cotor}", "", "DA", "NOTA", "ELEVI",
                "", 0, "");
    AdaugaLinie("PV", "SPATE", "C_LB_MATERNA", "[NOTA]Limba si literatura{cotor}", "", "DA", "TEXT", "ELEVI",
                "", 256, "L1");
    AdaugaLinie("PV", "SPATE", "C_LB_MATERNA_NOTA", "[NOTA]Nota obtinuta{cotor}", "", "DA", "NOTA", "ELEVI",
                "", 64, "L1");
    AdaugaLinie("PV", "SPATE", "C_MATEMATICA", "[NOTA]Nota obtinuta la matematica{cotor}", "", "DA", "NOTA", "ELEVI",
                "", 0, "");
    AdaugaLinie("PV", "SPATE", "C_OPTIUNEA", "[NOTA]Se va completa \"Istorie\" sau \"Geografie\", in functie de optiunea scrisa a absolventului{cotor}", "", "DA", "TEXT", "ELEVI",
                "", 256, "L2");
    AdaugaLinie("PV", "SPATE", "C_OPT_NOTA", "[NOTA]Nota obtinuta{cotor}", "", "DA", "NOTA", "ELEVI",
                "", 64, "L2");
    AdaugaLinie("PV", "SPATE", "C_MEDIA_GEN", "[NOTA]Media generala la testele nationale{cotor}", "", "DA", "NOTA", "ELEVI",
                "", 0, "");
    AdaugaLinie("PV", "SPATE", "C_PRESEDINTE", "[Comisie]Presedintele comisiei{cotor}", "", "DA", "TEXT", "SCOALA",
                "PV.FATA.C_PRESEDINTE", 0, "");
    AdaugaLinie("PV", "SPATE", "C_SECRETAR", "[Comisie]Secretar{cotor}", "", "DA", "TEXT", "SCOALA",
                "", 0, "");
    AdaugaLinie("PV", "SPATE", "D_UNITATEA_L1", "[Scoala]Unitatea de invatamant linia 1{diploma}", "", "DA", "TEXT", "SCOALA",
                "PV.FATA.C_UNITATEA_L1", 0, "");
    AdaugaLinie("PV", "SPATE", "D_UNITATEA_L2", "[Scoala]Unitatea de invatamant linia 2{diploma}", "", "DA", "TEXT", "SCOALA",
                "PV.FATA.C_UNITATEA_L2", 0, "");
    AdaugaLinie("PV", "SPATE", "D_LOCALITATEA", "[Scoala]Localitatea{diploma}", "", "DA", "TEXT", "SCOALA",
                "PV.FATA.C_LOCALITATEA", 0, "");
    AdaugaLinie("PV", "SPATE", "D_JUDETUL", "[Scoala]Judetul{diploma}", "", "DA", "TEXT", "SCOALA",
                "PV.FATA.C_JUDETUL", 0, "");
    AdaugaLinie("PV", "SPATE", "D_SESIUNEA", "[Scoala]Sesiunea{diploma}", "", "DA", "TEXT", "SCOALA",
                "PV.FATA.C_SESIUNEA", 0, "");
    AdaugaLinie("PV", "SPATE", "D_LB_ROMANA", "[NOTA]Lota obtinuta la limba si literatura romana{diploma}", "", "DA", "NOTA", "ELEVI",
                "PV.SPATE.C_LB_ROMANA", 0, "");
    AdaugaLinie("PV", "SPATE", "D_LB_MATERNA", "[NOTA]Limba si literatura{diploma}", "", "DA", "TEXT", "ELEVI",
                "PV.SPATE.C_LB_MATERNA", 256, "L1");
    AdaugaLinie("PV", "SPATE", "D_LB_MATERNA_NOTA", "[NOTA]Nota obtinuta{cotor}", "", "DA", "TEXT", "ELEVI",
                "PV.SPATE.C_LB_MATERNA_NOTA", 64, "L1");
    AdaugaLinie("PV", "SPATE", "D_MATEMATICA", "[NOTA]Nota obtinuta la matematica{diploma}", "", "DA", "NOTA", "ELEVI",
                "PV.SPATE.C_MATEMATICA", 0, "");
    AdaugaLinie("PV", "SPATE", "D_OPTIUNEA", "[NOTA]Se va completa \"Istorie\" sau \"Geografie\", in functie de optiunea scrisa a absolventului{diploma}", "", "DA", "TEXT", "ELEVI",
                "PV.SPATE.C_OPTIUNEA", 256, "L1");
    AdaugaLinie("PV", "SPATE", "D_OPT_NOTA", "[NOTA]Nota obtinuta{diploma}", "", "DA", "NOTA", "ELEVI",
                "PV.SPATE.C_OPT_NOTA", 64, "L1");
    AdaugaLinie("PV", "SPATE", "D_MEDIA_GEN", "[NOTA]Media generala la testele nationale{diploma}", "", "DA", "NOTA", "ELEVI",
                "PV.SPATE.C_MEDIA_GEN", 0, "");
    AdaugaLinie("PV", "SPATE", "D_PRESEDINTE", "[Comisie]Presedintele comisiei{diploma}", "", "DA", "TEXT", "SCOALA",
                "PV.SPATE.C_PRESEDINTE", 0, "");
    AdaugaLinie("PV", "SPATE", "D_SECRETAR", "[Comisie]Secretar{diploma}", "", "DA", "TEXT", "SCOALA",
                "PV.SPATE.C_SECRETAR", 0, "");
}

TListaLiniiTabelPV::TListaLiniiTabelPV()
{
    AdaugaTabel("ELEVI", "");
    AdaugaTabel("SCOALA", "Denumirea scolii");
}

QString TClasaProfilDiplomaPV::NumeClasa() const
{
    return QStringLiteral("TListaLiniiProfilDiplomaPV");
}

std::unique_ptr<TListaLiniiProfilDiploma> TClasaProfilDiplomaPV::Create() const
{
    return std::make_unique<TListaLiniiProfilDiplomaPV>();
}

QString TClasaProfilDiplomaPV::NumeBazaDeDate() const
{
    return QStringLiteral("PV2006");
}

QString TClasaProfilDiplomaPV::ListaCampuriElev() const
{
    return QStringLiteral("{PV.FATA.C_NUME} {PV.FATA.C_PRENUME} / {PV.FATA.C_NUME} {PV.FATA.C_PRENUME} ({PV.FATA.C_CNP})");
}

QString TClasaProfilDiplomaPV::ListaCampuriGeneric() const
{
    return QStringLiteral("{PV.FATA.C_JUDETUL} {PV.FATA.C_LOCALITATEA} {PV.FATA.D_UNITATEA} {PV.FATA.C_COD_SIRUES}");
}

QString TClasaListaTabelPV::NumeClasa() const
{
    return QStringLiteral("TListaLiniiTabelPV");
}

std::unique_ptr<TListaLiniiTabel> TClasaListaTabelPV::Create() const
{
    return std::make_unique<TListaLiniiTabelPV>();
}

const TClasaProfilDiplomaPV ClasaProfilDiplomaPV;
const TClasaListaTabelPV ClasaListaTabelPV;

void InregistreazaProfilPV()
{
    static const bool inregistrat =
        (InregistreazaProfil(&ClasaProfilDiplomaPV), InregistreazaListaTabele(&ClasaListaTabelPV), true);
    Q_UNUSED(inregistrat);
}
