// The data module on a database of a real Firebird server: where the data is chosen, the
// start-up on the server, its errors, and the password's sources.
#include "base/eroare.h"
#include "db/blocareinstanta.h"
#include "db/locbazadedate.h"
#include "db/parolaserver.h"
#include "support/bazapornita.h"
#include "support/mediutest.h"
#include "support/procestest.h"
#include "support/serverfirebird.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTcpServer>
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

// The start's error text; empty when it succeeded.
QString EroarePornire(TMediuTest& mediu)
{
    try {
        mediu.PornesteDM();
    } catch (const EEroare& e) {
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

} // namespace

class TestPornireServer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void bazaDeDatePeServerDinPRAVENT_DB();
    void bazaMaiNouaPeServerRamaneNeatinsa();
    void conexiuneaLaServerEsteVerificata();
    void eroriDeConexiuneInRomana();
    void parolaServeruluiDinSetariEsteCeruta();
    void liniaDeComandaFolosesteServerul();

private:
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

void TestPornireServer::bazaDeDatePeServerDinPRAVENT_DB()
{
    const QString baza = m_server->CreeazaBazaCuSablon(QStringLiteral("pornire.fdb"));
    QVERIFY2(!baza.isEmpty(), qPrintable(m_server->Eroare()));
    m_mediu.Seteaza("PRAVENT_DB", baza);
    m_mediu.Seteaza("PRAVENT_DB_USER", m_server->Utilizator());
    m_mediu.Seteaza("PRAVENT_DB_PASSWORD", m_server->Parola());

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
        const TConexiuneProprie conexiune(loc);
        QSqlQuery q(conexiune.Baza());
        q.exec(QStringLiteral("SELECT (SELECT COUNT(*) FROM TABELE) + (SELECT COUNT(*) FROM TIPURI_DE_DATE) + (SELECT "
                              "COUNT(*) FROM PROFIL_DIPLOMA) + (SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE "
                              "RDB$SYSTEM_FLAG = 0) FROM RDB$DATABASE"));
        return q.next() ? q.value(0).toInt() : -1;
    };
    {
        const TConexiuneProprie conexiune(loc);
        QSqlQuery q(conexiune.Baza());
        QVERIFY(q.exec(QStringLiteral("UPDATE CONFID_DB SET VERSIUNE = 4")));
    }
    const int inainte = scrise();
    QVERIFY(inainte > 0);

    m_mediu.Seteaza("PRAVENT_DB", baza);
    m_mediu.Seteaza("PRAVENT_DB_USER", m_server->Utilizator());
    m_mediu.Seteaza("PRAVENT_DB_PASSWORD", m_server->Parola());
    TMediuTest mediu(false);
    try {
        mediu.PornesteDM();
        QFAIL("a database of a newer program was opened");
    } catch (const EOprestePornirea& e) {
        QVERIFY2(e.Mesaj().contains(QStringLiteral("are versiunea 4, mai noua")), qPrintable(e.Mesaj()));
    }
    QCOMPARE(scrise(), inainte);
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

    quint16 portLiber = 0;
    {
        QTcpServer proba;
        QVERIFY(proba.listen(QHostAddress::LocalHost, 0));
        portLiber = proba.serverPort();
    }
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

QTEST_MAIN(TestPornireServer)
#include "tst_pornireserver.moc"
