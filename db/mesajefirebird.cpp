#include "db/mesajefirebird.h"

#include "db/supraveghere.h"

#include <QStringList>
#include <ibase.h>

namespace {

struct TCod {
    QVector<long> Coduri;  // any of these in the status
    const char* Propozitie;
};

// A server that accepts the connection and never answers it ends in a rejected connection.
const QVector<long> CoduriRetea = {isc_network_error, isc_net_connect_err,     isc_net_lookup_err,
                                   isc_conn_lost,     isc_net_read_err,        isc_net_write_err,
                                   isc_connect_reject, isc_net_server_shutdown, isc_att_shutdown};

const TCod CauzeDupaCod[] = {
    {{isc_login}, "Utilizatorul sau parola nu sunt acceptate de serverul bazei de date \"%1\"."},
    {{isc_conf_access_denied},
     "Serverul nu permite folosirea bazei de date \"%1\" din acel loc: configuratia lui accepta baze de date "
     "numai in anumite dosare. Cereti administratorului serverului calea sau numele (aliasul) bazei de date."},
    {CoduriRetea,
     "Serverul bazei de date \"%1\" nu poate fi contactat: verificati numele serverului, portul, reteaua si ca "
     "serverul Firebird este pornit."},
    {{isc_no_priv}, "Programul nu are drept de acces la baza de date \"%1\"."},
};

struct TCauza {
    QStringList Semne;  // any of these, case-insensitive, in the engine's text
    const char* Propozitie;
};

// The order matters: a lock failure also mentions the file it failed to open. The engine
// reports these through the operating system's error, so only its text tells them apart.
const TCauza CauzeDupaText[] = {
    {{QStringLiteral("already opened"), QStringLiteral("lock time-out"), QStringLiteral("\"lock\""),
      QStringLiteral("resource temporarily unavailable"), QStringLiteral("in use")},
     "Baza de date \"%1\" este deschisa de alt program."},
    {{QStringLiteral("no space left"), QStringLiteral("disk full"), QStringLiteral("file system full")},
     "Nu mai este loc pe disc pentru baza de date \"%1\"."},
    {{QStringLiteral("failure to write block"), QStringLiteral("error while trying to write"),
      QStringLiteral("during \"write\" operation")},
     "Baza de date \"%1\" nu a putut fi scrisa pe disc: discul este plin sau nu poate fi scris."},
    {{QStringLiteral("permission denied"), QStringLiteral("read-only"), QStringLiteral("read only"),
      QStringLiteral("access denied")},
     "Programul nu are drept de acces la baza de date \"%1\"."},
    {{QStringLiteral("no such file"), QStringLiteral("not found")},
     "Baza de date \"%1\" nu exista."},
    {{QStringLiteral("not a valid database"), QStringLiteral("corrupt"), QStringLiteral("wrong page type"),
      QStringLiteral("unsupported on-disk structure"), QStringLiteral("bad checksum"),
      QStringLiteral("database file appears"), QStringLiteral("short read"), QStringLiteral("end of file")},
     "Fisierul \"%1\" nu este o baza de date valida sau este deteriorat."},
};

const char* Propozitia(const TEroareMotor& eroare)
{
    for (const TCod& cauza : CauzeDupaCod)
        for (const long cod : cauza.Coduri)
            if (eroare.Are(cod))
                return cauza.Propozitie;
    for (const TCauza& cauza : CauzeDupaText)
        for (const QString& semn : cauza.Semne)
            if (eroare.Text.contains(semn, Qt::CaseInsensitive))
                return cauza.Propozitie;
    return "Baza de date \"%1\" a refuzat operatia.";
}

} // namespace

QString MesajFirebird(const QString& caleFisier, const TEroareMotor& eroare)
{
    return QString::fromUtf8(Propozitia(eroare)).arg(caleFisier) + QStringLiteral("\n\nDetalii: ") + eroare.Text;
}

QString MesajFirebird(const QString& caleFisier, const QString& mesajMotor)
{
    return MesajFirebird(caleFisier, TEroareMotor{mesajMotor, {}});
}

bool LegaturaPierduta(const TEroareMotor& eroare)
{
    for (const long cod : CoduriRetea)
        if (eroare.Are(cod))
            return true;
    return false;
}

QString MesajSalvareIntrerupta(const QString& server, const TEroareMotor& eroare)
{
    return QStringLiteral("Legatura cu serverul bazei de date \"%1\" s-a pierdut in timpul salvarii: nu se stie daca "
                          "ultimele modificari au fost pastrate. Verificati datele dupa ce serverul poate fi contactat "
                          "din nou.\n\nDetalii: %2")
        .arg(server, eroare.Text);
}

EServerTacut::EServerTacut(const QString& server)
    : EEroareTrecatoare(QStringLiteral("Serverul nu raspunde: baza de date \"%1\" nu a raspuns in %2 de secunde, iar "
                                       "operatia a fost oprita fara sa fie salvata. Verificati reteaua si serverul, "
                                       "apoi incercati din nou.")
                            .arg(server)
                            .arg(SecundeRaspunsServer))
{
}

EConflictConcurent::EConflictConcurent()
    : EEroare(QStringLiteral("Aceleasi date sunt salvate chiar acum de alt utilizator. Incercati din nou peste "
                             "cateva secunde."))
{
}

bool EsteConflictConcurent(const TEroareMotor& eroare)
{
    return eroare.Are(isc_update_conflict) || eroare.Are(isc_deadlock) || eroare.Are(isc_lock_conflict)
        || eroare.Are(isc_lock_timeout);
}

void RidicaEroareaMotorului(const QString& caleFisier, const TEroareMotor& eroare)
{
    if (EsteConflictConcurent(eroare))
        throw EConflictConcurent();
    throw EEroare(MesajFirebird(caleFisier, eroare));
}
