#include "support/elevcomplet.h"

#include "support/datetest.h"

// Only the fields of their own: the others take their values from these through the
// profile's links.
const QMap<QString, QString>& ValoriElevComplet()
{
    static const QMap<QString, QString> valori{
        {"PV.FATA.C_ABREVIERE", "Dra."},
        {"PV.FATA.C_NUME", "POPESCU"},
        {"PV.FATA.C_PRENUME", "ANA MARIA"},
        {"PV.FATA.C_CNP", "2960523123456"},
        {"PV.FATA.C_ARTICOL", "a"},
        {"PV.FATA.D_NUME", "POPESCU ANA MARIA"},
        {"PV.SPATE.C_LB_ROMANA", "9,50"},
        {"PV.SPATE.C_LB_MATERNA", "maghiara"},
        {"PV.SPATE.C_LB_MATERNA_NOTA", "8"},
        {"PV.SPATE.C_MATEMATICA", "7,25"},
        {"PV.SPATE.C_OPTIUNEA", "Istorie"},
        {"PV.SPATE.C_OPT_NOTA", "10"},
        {"PV.SPATE.C_MEDIA_GEN", "8,69"},
    };
    return valori;
}

const QMap<QString, QString>& ValoriScoala()
{
    static const QMap<QString, QString> valori{
        {"PV.FATA.C_UNITATEA_L1", "Scoala Gimnaziala"},
        {"PV.FATA.C_UNITATEA_L2", "Nr. 5"},
        {"PV.FATA.C_COD_SIRUES", "123456789"},
        {"PV.FATA.C_LOCALITATEA", "Sacele"},
        {"PV.FATA.C_JUDETUL", "Brasov"},
        {"PV.FATA.C_SESIUNEA", "iunie 2026"},
        {"PV.FATA.D_UNITATEA", "Scoala Gimnaziala Nr. 5"},
    };
    return valori;
}

namespace {

void Scrie(TDM& dm, const QString& tabel, int id, const QMap<QString, QString>& valori)
{
    for (auto it = valori.cbegin(); it != valori.cend(); ++it)
        ScrieValoare(dm, tabel, id, it.key(), it.value());
}

} // namespace

int AdaugaElevComplet(TDM& dm)
{
    Scrie(dm, QStringLiteral("SCOALA"), AdaugaInregistrare(dm, QStringLiteral("SCOALA")), ValoriScoala());
    const int idElev = AdaugaInregistrare(dm, QStringLiteral("ELEVI"));
    Scrie(dm, QStringLiteral("ELEVI"), idElev, ValoriElevComplet());
    return idElev;
}
