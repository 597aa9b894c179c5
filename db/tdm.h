#pragma once

#include "db/blocareinstanta.h"
#include "db/conexiune.h"
#include "db/interogare.h"
#include "db/locbazadedate.h"
#include "db/tranzactie.h"
#include "profile/listaliniiprofil.h"

#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class TBlocarePornireServer;

// The data module: the program's one database connection, its one transaction and the
// six shared query objects. Created before any window; lives for the whole run.
class TDM {
public:
    // primulPas runs first in DataModuleCreate: the start-up shows the language check and the
    // splash there; the command line and the tests pass nothing.
    explicit TDM(std::function<void()> primulPas = {});
    ~TDM();
    TDM(const TDM&) = delete;
    TDM& operator=(const TDM&) = delete;

    // Finds or creates the database file, connects, upgrades the schema and brings the
    // entity tables, the data types and the profile up to date.
    void DataModuleCreate();

    // The database file, or the server's connection string.
    const QString& CaleBazaDeDate() const { return m_caleBazaDeDate; }
    // Whether this run's database is on a server (known once the database was found).
    bool PeServer() const;
    bool Conectat() const;

    TTranzactie& Tr() { return m_tr; }
    TInterogare& Q1() { return *m_q[0]; }
    TInterogare& Q2() { return *m_q[1]; }
    TInterogare& Q3() { return *m_q[2]; }
    TInterogare& Q4() { return *m_q[3]; }
    TInterogare& Q5() { return *m_q[4]; }
    TInterogare& Q6() { return *m_q[5]; }

    // Steps of DataModuleCreate, public so that each can be checked on its own.
    // Chooses where the data is (LocBazaDeDate). For the embedded file: takes the instance
    // lock, makes the daily copy of an existing database, or creates the database from the
    // template (again, when the first start before was killed half-way).
    void GasesteSauCreeazaBazaDeDate();
    void Conecteaza();
    // For a server database: refuses one of another or of a newer program, then waits for the
    // starts before this one and gives an empty database the schema; the other starts wait
    // until the returned lock goes, at the end of the start.
    std::unique_ptr<TBlocarePornireServer> PregatesteBazaServer();
    // For a server database: whether it holds none of the program's tables yet (the start
    // lock's aside); refuses one that holds other tables, before anything is written in it.
    bool BazaServerGoala();
    // The version-1 schema, from the same script as the template, in an empty server database.
    void CreeazaSchemaInitiala();
    // Refuses a database of a schema newer than this program knows, before anything is written.
    void VerificaVersiunea();
    void ActualizeazaSchema();
    void SincronizeazaTabele();
    void CreeazaStructuri();
    void CreeazaTabela(const QString& tabel);
    void CreeazaCheiePrimara(const QString& tabel);
    void CreeazaGenerator(const QString& tabel);
    void AdaugaColoaneDate(const QString& tabel);
    void AdaugaLegaturiDate(const QString& tabel);
    void SincronizeazaTipuriDeDate();
    void SincronizeazaProfil();
    // Recomputes the selectivity of the value table's indexes, so that a value lookup for
    // one record uses the record's index rather than scanning every record's row of the field;
    // only when an entity table has more than doubled since they were last computed. Run at
    // start and around an import, which changes them the most. A failure (a user who does not
    // own the tables) keeps the old ones and the work goes on.
    void ActualizeazaStatisticiIndecsi();
    // Writes the given profile into PROFIL_DIPLOMA and deletes the rows it does not name.
    void SincronizeazaProfil(const TListaLiniiProfilDiploma& profil);

private:
    void CreeazaDinSablon(const QString& sablon, const QString& semn);
    void FaCopiaZilnica();
    bool StatisticiDeRefacut();
    void RefaStatisticiIndecsi();
    bool ExistaInCatalog(const QString& sqlCautare, const QString& parametru, const QString& valoare);
    void RuleazaInTranzactieProprie(const std::function<void()>& pas);

    std::function<void()> m_primulPas;
    std::unique_ptr<TBlocareInstanta> m_blocare;
    std::optional<TLocBazaDeDate> m_loc;
    QString m_caleBazaDeDate;
    TConexiune m_conexiune;
    TTranzactie m_tr;
    std::array<std::unique_ptr<TInterogare>, 6> m_q;
};

// The one data module of the running program; an error when none exists.
TDM& DM();
// Whether a data module exists and holds an open connection.
bool ModululDeDateConectat();
