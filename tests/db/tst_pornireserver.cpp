// The data module on a database of a real Firebird server: where the data is chosen, the
// start-up on the server, its errors, and the password's sources.
#include "base/eroare.h"
#include "db/blocareinstanta.h"
#include "db/blocarepornireserver.h"
#include "db/locbazadedate.h"
#include "db/parolaserver.h"
#include "support/bazapornita.h"
#include "support/conexiunesecundara.h"
#include "support/mediutest.h"
#include "support/procestest.h"
#include "support/serverfirebird.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

namespace {

// Sets or removes environment variables for one test, restoring them afterwards.
class TMediuVariabile {
public:
    ~TMediuVariabile()
    {
        for (auto it = m_anterioare.cbegin(); it != m_anterioare.cend(); ++it)
            if (it.value().isNull())
                qunsetenv(it.key().constData());
            else
                qputenv(it.key().constData(), it.value());
    }
    void Seteaza(const char* nume, const QString& valoare)
    {
        Retine(nume);
        qputenv(nume, valoare.toUtf8());
    }
    void Sterge(const char* nume)
    {
        Retine(nume);
        qunsetenv(nume);
    }

private:
    void Retine(const char* nume)
    {
        if (!m_anterioare.contains(nume))
            m_anterioare.insert(nume, qEnvironmentVariableIsSet(nume) ? qgetenv(nume) : QByteArray());
    }
    QHash<QByteArray, QByteArray> m_anterioare;
};

// The start's error text, of the kind given; empty when it succeeded.
template <typename TEroare = EEroare>
QString EroarePornire(TMediuTest& mediu)
{
    try {
        mediu.PornesteDM();
    } catch (const TEroare& e) {
        return e.Mesaj();
    }
    return {};
}

// Nothing of an embedded database appears in the data folder.
void VerificaNimicLocal(const TMediuTest& mediu)
{
    QVERIFY(!QFile::exists(mediu.Dosar() + QStringLiteral("/DB")));
    QVERIFY(!QFile::exists(TBlocareInstanta::Cale()));
}

// The first column of every row of a query, read through a connection of its own.
QStringList ColoanaPeServer(const TLocBazaDeDate& loc, const QString& sql)
{
    TConexiuneProprie conexiune(loc);
    return ColoanaPeConexiune(conexiune, sql);
}

// The definition of every table of the program: columns with their types, widths, defaults and
// NULL rules, indexes with their columns, constraints. The start lock's table is left out.
QStringList DescriereSchema(TDM& dm)
{
    return ColoanaSql(dm, QStringLiteral(
        "SELECT TRIM(r.RDB$RELATION_NAME) || '.' || TRIM(r.RDB$FIELD_NAME) || ' ' || r.RDB$FIELD_POSITION || ' ' || "
        "f.RDB$FIELD_TYPE || ' ' || f.RDB$FIELD_LENGTH || ' ' || COALESCE(f.RDB$FIELD_PRECISION, 0) || ' ' || "
        "f.RDB$FIELD_SCALE || ' ' || COALESCE(r.RDB$NULL_FLAG, 0) || ' ' || "
        "COALESCE(CAST(r.RDB$DEFAULT_SOURCE AS VARCHAR(200)), '') FROM RDB$RELATION_FIELDS r JOIN RDB$FIELDS f ON "
        "f.RDB$FIELD_NAME = r.RDB$FIELD_SOURCE JOIN RDB$RELATIONS t ON t.RDB$RELATION_NAME = r.RDB$RELATION_NAME "
        "WHERE COALESCE(t.RDB$SYSTEM_FLAG, 0) = 0 AND t.RDB$RELATION_NAME <> 'BLOCARE_PORNIRE' "
        "UNION ALL SELECT TRIM(i.RDB$RELATION_NAME) || ' index ' || TRIM(i.RDB$INDEX_NAME) || ' ' || "
        "COALESCE(i.RDB$UNIQUE_FLAG, 0) || ' ' || s.RDB$FIELD_POSITION || ' ' || TRIM(s.RDB$FIELD_NAME) FROM "
        "RDB$INDICES i JOIN RDB$INDEX_SEGMENTS s ON s.RDB$INDEX_NAME = i.RDB$INDEX_NAME WHERE "
        "COALESCE(i.RDB$SYSTEM_FLAG, 0) = 0 AND i.RDB$RELATION_NAME <> 'BLOCARE_PORNIRE' "
        "UNION ALL SELECT TRIM(RDB$RELATION_NAME) || ' constraint ' || TRIM(RDB$CONSTRAINT_NAME) || ' ' || "
        "TRIM(RDB$CONSTRAINT_TYPE) FROM RDB$RELATION_CONSTRAINTS WHERE RDB$RELATION_NAME NOT STARTING WITH 'RDB$' "
        "AND RDB$RELATION_NAME <> 'BLOCARE_PORNIRE' AND RDB$CONSTRAINT_TYPE <> 'NOT NULL' ORDER BY 1"));
}

} // namespace

class TestPornireServer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void bazaDeDatePeServerDinPRAVENT_DB();
    void bazaMaiNouaPeServerRamaneNeatinsa();
    void bazaGoalaPeServerPrimesteSchemaSablonului();
    void bazaStrainaPeServerRamaneNeatinsa();
    void douaPornirieSimultanePeBazaGoala();
    void pornireaAsteaptaPornireaInCurs();
    void conexiuneaLaServerEsteVerificata();
    void eroriDeConexiuneInRomana();
    void parolaServeruluiDinSetariEsteCeruta();
    void liniaDeComandaFolosesteServerul();
    void oSecretaraCareNuDetineTabelelePorneste();

private:
    // The server database for the starts that follow (none: PRAVENT_DB as it is), with the
    // server's user and password.
    void FolosesteServerul(const QString& baza = {});

    std::unique_ptr<TServerFirebird> m_server;
    TMediuVariabile m_mediu;
};

void TestPornireServer::initTestCase()
{
    // No secret store in the tests: a desktop one would keep passwords beyond them.
    m_mediu.Sterge("DBUS_SESSION_BUS_ADDRESS");
    SARI_FARA_SERVER_FIREBIRD();
    m_server = std::make_unique<TServerFirebird>();
    QVERIFY2(m_server->Porneste(), qPrintable(m_server->Eroare()));
}

void TestPornireServer::init()
{
    for (const char* nume : {"PRAVENT_DB", "PRAVENT_DB_USER", "PRAVENT_DB_PASSWORD"})
        m_mediu.Sterge(nume);
    InstaleazaCerereaParolei({});
}

void TestPornireServer::FolosesteServerul(const QString& baza)
{
    if (!baza.isEmpty())
        m_mediu.Seteaza("PRAVENT_DB", baza);
    m_mediu.Seteaza("PRAVENT_DB_USER", m_server->Utilizator());
    m_mediu.Seteaza("PRAVENT_DB_PASSWORD", m_server->Parola());
}

void TestPornireServer::bazaDeDatePeServerDinPRAVENT_DB()
{
    const QString baza = m_server->CreeazaBazaCuSablon(QStringLiteral("pornire.fdb"));
    QVERIFY2(!baza.isEmpty(), qPrintable(m_server->Eroare()));
    FolosesteServerul(baza);

    // No template anywhere in the data folder: a server database needs none.
    TMediuTest mediu(false);
    TDM& dm = mediu.PornesteDM();
    QVERIFY(dm.PeServer());
    QCOMPARE(dm.CaleBazaDeDate(), baza);
    QCOMPARE(AbateriDupaPrimaPornire(dm), QStringList());
    // The server keeps its own locks and the backup is gbak's: no lock file, no daily copy.
    VerificaNimicLocal(mediu);
    ExecutaSql(dm, QStringLiteral("INSERT INTO ELEVI (ID_ELEVI) VALUES (GEN_ID(G_ID_ELEVI, 1))"));

    // Two programs on one server database at once: no instance lock stops the second.
    TMediuTest alDoilea(false);
    TDM doi;
    doi.DataModuleCreate();
    QCOMPARE(ColoanaSql(doi, QStringLiteral("SELECT COUNT(*) FROM ELEVI")), QStringList{QStringLiteral("1")});
    QCOMPARE(RanduriProfil(doi), ProfilAsteptat);
}

void TestPornireServer::bazaMaiNouaPeServerRamaneNeatinsa()
{
    const QString baza = m_server->CreeazaBazaCuSablon(QStringLiteral("noua.fdb"));
    QVERIFY2(!baza.isEmpty(), qPrintable(m_server->Eroare()));
    const TLocBazaDeDate loc = TLocBazaDeDate::Server(baza, m_server->Utilizator(), m_server->Parola());
    // What any start writes: the entity tables, the data types, the profile, the structures.
    const auto scrise = [&loc] {
        const QStringList numar = ColoanaPeServer(
            loc, QStringLiteral("SELECT (SELECT COUNT(*) FROM TABELE) + (SELECT COUNT(*) FROM TIPURI_DE_DATE) + (SELECT "
                                "COUNT(*) FROM PROFIL_DIPLOMA) + (SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE "
                                "RDB$SYSTEM_FLAG = 0) FROM RDB$DATABASE"));
        return numar.size() == 1 ? numar.first().toInt() : -1;
    };
    {
        TConexiuneProprie conexiune(loc);
        ExecutaPeConexiune(conexiune, {QStringLiteral("UPDATE CONFID_DB SET VERSIUNE = 5")});
    }
    const int inainte = scrise();
    QVERIFY(inainte > 0);

    FolosesteServerul(baza);
    TMediuTest mediu(false);
    const QString refuz = EroarePornire<EOprestePornirea>(mediu);
    QVERIFY2(refuz.contains(QStringLiteral("are versiunea 5, mai noua")), qPrintable(refuz));
    QCOMPARE(scrise(), inainte);
}

void TestPornireServer::bazaGoalaPeServerPrimesteSchemaSablonului()
{
    const QString goala = m_server->CreeazaBazaGoala(QStringLiteral("goala.fdb"));
    const QString cuSablon = m_server->CreeazaBazaCuSablon(QStringLiteral("cusablon.fdb"));
    QVERIFY2(!goala.isEmpty() && !cuSablon.isEmpty(), qPrintable(m_server->Eroare()));
    FolosesteServerul();

    TMediuTest mediu(false);
    m_mediu.Seteaza("PRAVENT_DB", goala);
    TDM& dm = mediu.PornesteDM();
    QCOMPARE(AbateriDupaPrimaPornire(dm), QStringList());
    // The same tables, columns, defaults and indexes as a database made the way the build
    // makes the template, once both are started.
    TMediuTest alDoilea(false);
    m_mediu.Seteaza("PRAVENT_DB", cuSablon);
    TDM& dmSablon = alDoilea.PornesteDM();
    const QStringList schema = DescriereSchema(dm);
    QVERIFY(schema.contains(QStringLiteral("DATE index IX_DATE_CAMP 0 2 COD_CAMP")));
    QCOMPARE(schema, DescriereSchema(dmSablon));

    // A second start finds the database made and changes nothing.
    mediu.OpresteDM();
    m_mediu.Seteaza("PRAVENT_DB", goala);
    TDM& aDouaOara = mediu.PornesteDM();
    QCOMPARE(DescriereSchema(aDouaOara), schema);
    QCOMPARE(AbateriDupaPrimaPornire(aDouaOara), QStringList());
}

void TestPornireServer::bazaStrainaPeServerRamaneNeatinsa()
{
    const QString baza = m_server->CreeazaBazaGoala(QStringLiteral("straina.fdb"));
    QVERIFY2(!baza.isEmpty(), qPrintable(m_server->Eroare()));
    const TLocBazaDeDate loc = TLocBazaDeDate::Server(baza, m_server->Utilizator(), m_server->Parola());
    {
        TConexiuneProprie conexiune(loc);
        ExecutaPeConexiune(conexiune, {QStringLiteral("CREATE TABLE FACTURI (NUMAR INTEGER NOT NULL)")});
        ExecutaPeConexiune(conexiune, {QStringLiteral("INSERT INTO FACTURI (NUMAR) VALUES (7)")});
    }
    const QString tabeleSql = QStringLiteral(
        "SELECT RDB$RELATION_NAME FROM RDB$RELATIONS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 ORDER BY 1");
    QCOMPARE(ColoanaPeServer(loc, tabeleSql), QStringList{QStringLiteral("FACTURI")});

    FolosesteServerul(baza);
    TMediuTest mediu(false);
    const QString refuz = EroarePornire<EOprestePornirea>(mediu);
    QVERIFY2(refuz.startsWith(QStringLiteral("Baza de date \"%1\" nu este a acestui program").arg(baza)),
             qPrintable(refuz));
    const TRezultatProces init = RuleazaProgramul({QStringLiteral("--init-db")}, mediu.Dosar());
    QVERIFY(init.CodIesire != 0);
    QVERIFY2(init.Erori.contains(QStringLiteral("nu este a acestui program")), qPrintable(init.Erori));

    // Not even the start lock's table was made in it.
    QCOMPARE(ColoanaPeServer(loc, tabeleSql), QStringList{QStringLiteral("FACTURI")});
    QCOMPARE(ColoanaPeServer(loc, QStringLiteral("SELECT NUMAR FROM FACTURI")), QStringList{QStringLiteral("7")});
    VerificaNimicLocal(mediu);
}

void TestPornireServer::douaPornirieSimultanePeBazaGoala()
{
    FolosesteServerul();
    // The race is lost only sometimes: several rounds, each on a new empty database.
    for (int runda = 0; runda < 5; ++runda) {
        const QString baza = m_server->CreeazaBazaGoala(QStringLiteral("simultan-%1.fdb").arg(runda));
        QVERIFY2(!baza.isEmpty(), qPrintable(m_server->Eroare()));
        m_mediu.Seteaza("PRAVENT_DB", baza);
        // Two computers: a data folder each.
        TMediuTest unu(false), doi(false);
        QProcess primul, alDoilea;
        PornesteProgramul(primul, {QStringLiteral("--init-db")}, unu.Dosar());
        PornesteProgramul(alDoilea, {QStringLiteral("--init-db")}, doi.Dosar());
        for (QProcess* proces : {&primul, &alDoilea}) {
            QVERIFY(proces->waitForFinished(120000));
            QVERIFY2(proces->exitStatus() == QProcess::NormalExit && proces->exitCode() == 0,
                     qPrintable(QStringLiteral("round %1: %2").arg(runda).arg(
                         QString::fromLocal8Bit(proces->readAllStandardError()))));
        }

        // Read before any other start could mend anything.
        const TLocBazaDeDate loc = TLocBazaDeDate::Server(baza, m_server->Utilizator(), m_server->Parola());
        QCOMPARE(ColoanaPeServer(loc, QStringLiteral("SELECT COUNT(*) FROM PROFIL_DIPLOMA")),
                 QStringList{QString::number(ProfilAsteptat.size())});
        QCOMPARE(ColoanaPeServer(loc, QStringLiteral("SELECT NUME_TABEL || '=' || COUNT(*) FROM TABELE GROUP BY "
                                                     "NUME_TABEL ORDER BY 1")),
                 (QStringList{QStringLiteral("ELEVI=1"), QStringLiteral("SCOALA=1")}));
        QCOMPARE(ColoanaPeServer(loc, QStringLiteral("SELECT COUNT(*) FROM CONFID_DB")), QStringList{QStringLiteral("1")});
        TMediuTest verificare(false);
        QCOMPARE(AbateriDupaPrimaPornire(verificare.PornesteDM()), QStringList());
    }
}

void TestPornireServer::pornireaAsteaptaPornireaInCurs()
{
    const QString baza = m_server->CreeazaBazaGoala(QStringLiteral("asteapta.fdb"));
    QVERIFY2(!baza.isEmpty(), qPrintable(m_server->Eroare()));
    const TLocBazaDeDate loc = TLocBazaDeDate::Server(baza, m_server->Utilizator(), m_server->Parola());
    FolosesteServerul(baza);
    TMediuTest mediu(false);
    QProcess program;
    {
        // A start in progress elsewhere, held longer than a bounded lock wait of a few seconds.
        const TBlocarePornireServer blocare(loc);
        // The engine's view of the lock's transaction: read committed with record versions,
        // the bounded wait, a writer.
        QCOMPARE(ColoanaPeServer(loc, QStringLiteral("SELECT DISTINCT t.MON$ISOLATION_MODE || ' ' || t.MON$LOCK_TIMEOUT || ' ' || "
                                                     "t.MON$READ_ONLY FROM MON$TRANSACTIONS t JOIN MON$ATTACHMENTS a ON "
                                                     "a.MON$ATTACHMENT_ID = t.MON$ATTACHMENT_ID WHERE a.MON$SYSTEM_FLAG = 0 "
                                                     "AND t.MON$ATTACHMENT_ID <> CURRENT_CONNECTION")),
                 QStringList{QStringLiteral("2 5 0")});
        PornesteProgramul(program, {QStringLiteral("--init-db")}, mediu.Dosar());
        QVERIFY(!program.waitForFinished(7000));
        QCOMPARE(ColoanaPeServer(loc, QStringLiteral("SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = "
                                                     "'CONFID_DB'")),
                 QStringList{QStringLiteral("0")});
    }
    QVERIFY(program.waitForFinished(120000));
    QVERIFY2(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0,
             qPrintable(QString::fromLocal8Bit(program.readAllStandardError())));
    QCOMPARE(AbateriDupaPrimaPornire(mediu.PornesteDM()), QStringList());
}

void TestPornireServer::conexiuneaLaServerEsteVerificata()
{
    for (const QString& buna : {QStringLiteral("secretariat:pravent"), QStringLiteral("10.0.0.5/3051:/srv/date/pv.fdb"),
                                QStringLiteral("[::1]/3050:pravent")})
        QCOMPARE(ConexiuneServerVerificata(buna, QStringLiteral("PRAVENT_DB")), buna);
    for (const QString& rea : {QStringLiteral("/home/pv.fdb"), QStringLiteral("server:"), QStringLiteral(":pravent"),
                               QStringLiteral("server/70000:pravent"), QStringLiteral("server/abc:pravent"),
                               QStringLiteral("ser ver:pravent")}) {
        try {
            ConexiuneServerVerificata(rea, QStringLiteral("PRAVENT_DB"));
            QFAIL(qPrintable(rea + QStringLiteral(" was accepted")));
        } catch (const EEroare& e) {
            QVERIFY2(e.Mesaj().contains(QStringLiteral("server[/port]:cale-sau-alias")), qPrintable(e.Mesaj()));
        }
    }

    TMediuTest mediu(false);
    m_mediu.Seteaza("PRAVENT_DB", QStringLiteral("/home/pv.fdb"));
    QVERIFY(EroarePornire(mediu).startsWith(QStringLiteral("PRAVENT_DB \"/home/pv.fdb\" nu numeste")));
    m_mediu.Seteaza("PRAVENT_DB", QStringLiteral("127.0.0.1:pravent"));
    QVERIFY(EroarePornire(mediu).startsWith(QStringLiteral("Lipseste utilizatorul")));
    VerificaNimicLocal(mediu);
}

void TestPornireServer::eroriDeConexiuneInRomana()
{
    const QString baza = m_server->CreeazaBazaCuSablon(QStringLiteral("erori.fdb"));
    QVERIFY2(!baza.isEmpty(), qPrintable(m_server->Eroare()));
    TMediuTest mediu(false);
    m_mediu.Seteaza("PRAVENT_DB_USER", m_server->Utilizator());

    m_mediu.Seteaza("PRAVENT_DB", baza);
    m_mediu.Seteaza("PRAVENT_DB_PASSWORD", QStringLiteral("alta"));
    QVERIFY(EroarePornire(mediu).startsWith(
        QStringLiteral("Utilizatorul sau parola nu sunt acceptate de serverul bazei de date \"%1\".").arg(baza)));

    m_mediu.Seteaza("PRAVENT_DB_PASSWORD", m_server->Parola());
    const QString lipsa = QString(baza).replace(QStringLiteral("erori.fdb"), QStringLiteral("lipsa.fdb"));
    m_mediu.Seteaza("PRAVENT_DB", lipsa);
    QVERIFY(EroarePornire(mediu).startsWith(QStringLiteral("Baza de date \"%1\" nu exista.").arg(lipsa)));
    QVERIFY(!QFile::exists(m_server->DosarDate() + QStringLiteral("/lipsa.fdb")));

    const quint16 portLiber = PortLiber();
    QVERIFY(portLiber != 0);
    const QString faraServer = QStringLiteral("127.0.0.1/%1:/x.fdb").arg(portLiber);
    m_mediu.Seteaza("PRAVENT_DB", faraServer);
    QVERIFY(EroarePornire(mediu).startsWith(
        QStringLiteral("Serverul bazei de date \"%1\" nu poate fi contactat").arg(faraServer)));
    VerificaNimicLocal(mediu);
}

void TestPornireServer::parolaServeruluiDinSetariEsteCeruta()
{
    const QString baza = m_server->CreeazaBazaCuSablon(QStringLiteral("setari.fdb"));
    QVERIFY2(!baza.isEmpty(), qPrintable(m_server->Eroare()));
    TMediuTest mediu(false);
    const QString server = QStringLiteral("%1/%2").arg(m_server->Gazda()).arg(m_server->Port());
    const TSetariServer setari{server, m_server->DosarDate() + QStringLiteral("/setari.fdb"), m_server->Utilizator()};
    QVERIFY(setari.Scrie());
    QCOMPARE(setari.Conexiune(), baza);
    // Where the store is missing the password is not kept: it is asked at each start.
    QVERIFY(!SalveazaParola(CheieParola(setari.Utilizator, baza), m_server->Parola()).isEmpty());

    QVERIFY(EroarePornire(mediu).contains(QStringLiteral("setati PRAVENT_DB_PASSWORD")));
    QStringList intrebari;
    InstaleazaCerereaParolei([&](const QString& intrebare) -> std::optional<QString> {
        intrebari << intrebare;
        return m_server->Parola();
    });
    QCOMPARE(EroarePornire(mediu), QString());
    QCOMPARE(intrebari, QStringList{QStringLiteral("Parola utilizatorului %1 pentru baza de date \"%2\":")
                                        .arg(m_server->Utilizator(), baza)});
    QVERIFY(mediu.DM().PeServer());
    mediu.OpresteDM();

    // A scripted run gives it in the environment, and is not asked.
    m_mediu.Seteaza("PRAVENT_DB_PASSWORD", m_server->Parola());
    QCOMPARE(EroarePornire(mediu), QString());
    QCOMPARE(intrebari.size(), 1);
    mediu.OpresteDM();

    // Back to the local database: the embedded file of the data folder again.
    QVERIFY(TSetariServer{}.Scrie());
    QVERIFY(!LocBazaDeDate().PeServer());
    QCOMPARE(LocBazaDeDate().Conexiune(), mediu.CaleBazaDeDate());
}

void TestPornireServer::liniaDeComandaFolosesteServerul()
{
    const QString baza = m_server->CreeazaBazaCuSablon(QStringLiteral("comenzi.fdb"));
    QVERIFY2(!baza.isEmpty(), qPrintable(m_server->Eroare()));
    TMediuTest mediu(false);
    m_mediu.Seteaza("PRAVENT_DB", baza);
    m_mediu.Seteaza("PRAVENT_DB_USER", m_server->Utilizator());

    const TRezultatProces faraParola = RuleazaProgramul({QStringLiteral("--list-pupils")}, mediu.Dosar());
    QVERIFY(faraParola.CodIesire != 0);
    QVERIFY2(faraParola.Erori.contains(QStringLiteral("setati PRAVENT_DB_PASSWORD")), qPrintable(faraParola.Erori));

    m_mediu.Seteaza("PRAVENT_DB_PASSWORD", m_server->Parola());
    const TRezultatProces init = RuleazaProgramul({QStringLiteral("--init-db")}, mediu.Dosar());
    QCOMPARE(init.CodIesire, 0);
    QCOMPARE(init.Iesire.trimmed(), baza);
    const TRezultatProces lista = RuleazaProgramul({QStringLiteral("--list-pupils")}, mediu.Dosar());
    QVERIFY2(lista.CodIesire == 0, qPrintable(lista.Erori));
    VerificaNimicLocal(mediu);

    TDM& dm = mediu.PornesteDM();
    QCOMPARE(AbateriDupaPrimaPornire(dm), QStringList());
    mediu.OpresteDM();

    // A daily copy restored while the data is on the server would change nothing anyone sees.
    TMediuTest local;
    const TRezultatProces localInit = RuleazaProgramul({QStringLiteral("--init-db")}, local.Dosar());
    QCOMPARE(localInit.CodIesire, 0);
    QVERIFY(!QFile::exists(local.CaleBazaDeDate()));
    QVERIFY(QFile::copy(local.CaleSablon(), local.Dosar() + QStringLiteral("/copie.FDB")));
    const TRezultatProces restaurare
        = RuleazaProgramul({QStringLiteral("--restore"), local.Dosar() + QStringLiteral("/copie.FDB")}, local.Dosar());
    QCOMPARE(restaurare.CodIesire, 2);
    QVERIFY2(restaurare.Erori.contains(QStringLiteral("restaurati o copie facuta cu gbak")), qPrintable(restaurare.Erori));
    QVERIFY(!QFile::exists(local.CaleBazaDeDate()));
}


// Who does not own the tables may not refresh their index statistics; the start must not
// depend on it, even when the pupils have outgrown the statistics.
void TestPornireServer::oSecretaraCareNuDetineTabelelePorneste()
{
    const QString baza = m_server->CreeazaBazaCuSablon(QStringLiteral("neproprietara.fdb"));
    QVERIFY2(!baza.isEmpty(), qPrintable(m_server->Eroare()));
    FolosesteServerul(baza);
    TMediuTest mediu(false);
    TDM& proprietara = mediu.PornesteDM();
    ExecutaSql(proprietara, QStringLiteral("EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN WHILE (I < 50) DO BEGIN "
                                           "INSERT INTO ELEVI (ID_ELEVI) VALUES (GEN_ID(G_ID_ELEVI, 1)); I = I + 1; "
                                           "END END"));
    const QString cui = m_server->AltUtilizator();
    for (const QString& tabel : ColoanaSql(proprietara, QStringLiteral("SELECT TRIM(RDB$RELATION_NAME) FROM "
                                                                       "RDB$RELATIONS WHERE RDB$SYSTEM_FLAG = 0")))
        ExecutaSql(proprietara, QStringLiteral("GRANT ALL ON \"%1\" TO USER %2").arg(tabel, cui));
    for (const QString& generator : ColoanaSql(proprietara, QStringLiteral("SELECT TRIM(RDB$GENERATOR_NAME) FROM "
                                                                           "RDB$GENERATORS WHERE RDB$SYSTEM_FLAG = 0")))
        ExecutaSql(proprietara, QStringLiteral("GRANT USAGE ON GENERATOR \"%1\" TO USER %2").arg(generator, cui));
    mediu.OpresteDM();

    m_mediu.Seteaza("PRAVENT_DB_USER", cui);
    TDM& alta = mediu.PornesteDM();
    QCOMPARE(ColoanaSql(alta, QStringLiteral("SELECT COUNT(*) FROM ELEVI")), QStringList{QStringLiteral("50")});
}
QTEST_MAIN(TestPornireServer)
#include "tst_pornireserver.moc"
