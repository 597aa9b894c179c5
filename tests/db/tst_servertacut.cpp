// A server that stops answering is given up on in bounded time, a signal still ends the
// program while it waits, and the failures of a server reach the user in Romanian: against
// the test's own Firebird server, frozen with SIGSTOP or killed, and a port that accepts and
// never answers.
#include "base/userprompt.h"
#include "db/conexiune.h"
#include "db/interogare.h"
#include "db/locbazadedate.h"
#include "db/mesajefirebird.h"
#include "db/tranzactie.h"
#include "support/bazapeserver.h"
#include "support/conexiunesecundara.h"
#include "support/mediutest.h"
#include "support/procestest.h"
#include "support/prompttest.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QtTest>
#include <csignal>

namespace {

// The failure met by opening a connection and running one statement; empty when none.
QString EroareaLa(const TLocBazaDeDate& loc)
{
    try {
        TConexiuneSecundara conexiune(loc);
        conexiune.Executa(QStringLiteral("INSERT INTO TIPURI_DE_DATE (TIP_DE_DATE) VALUES ('X')"));
        return {};
    } catch (const EEroare& e) {
        return e.Mesaj();
    }
}

// The user who, told that the server does not answer, has it started again and presses
// "Reincearca".
class TPromptCareDezgheata : public TPromptTest {
public:
    TPromptCareDezgheata(TServerFirebird& server, const QElapsedTimer& ceas) : m_server(server), m_ceas(ceas) {}
    bool Reincearca(const QString& text) override
    {
        Intrebari << text;
        Milisecunde << m_ceas.elapsed();
        m_server.Semnal(SIGCONT);
        return true;
    }
    QStringList Intrebari;
    QList<qint64> Milisecunde;

private:
    TServerFirebird& m_server;
    const QElapsedTimer& m_ceas;
};

} // namespace

class TestServerTacut : public QObject {
    Q_OBJECT
private slots:
    void portulCareNuRaspundeEsteParasit();
    void serverulInghetatEsteParasitSiReincercat();
    void semnalulOpresteAsteptareaServerului();
    void caleaRefuzataDeServerInRomana();
    void legaturaPierdutaLaSalvareInRomana();
};

// The system accepts the connection and nobody ever answers: given up on in seconds, not the
// client's three minutes, and in Romanian.
void TestServerTacut::portulCareNuRaspundeEsteParasit()
{
    QTcpServer mut;
    QVERIFY(mut.listen(QHostAddress::LocalHost, 0));
    QElapsedTimer ceas;
    ceas.start();
    const QString mesaj = EroareaLa(TLocBazaDeDate::Server(QStringLiteral("127.0.0.1/%1:/baza.fdb").arg(mut.serverPort()),
                                                           QStringLiteral("SECRETARA"), QStringLiteral("x")));
    QVERIFY2(ceas.elapsed() < (SecundeConectare + 4) * 1000, qPrintable(QString::number(ceas.elapsed())));
    QVERIFY2(mesaj.startsWith(QStringLiteral("Serverul bazei de date \"127.0.0.1/%1:/baza.fdb\" nu poate fi contactat")
                                  .arg(mut.serverPort())),
             qPrintable(mesaj));
}

// Frozen in the middle of a save: the call is given up on after its bounded wait, the user
// is asked whether to try again, and the save run again on a new connection stores its row
// once.
void TestServerTacut::serverulInghetatEsteParasitSiReincercat()
{
    SARI_FARA_SERVER_FIREBIRD();
    TBazaPeServer baza;
    QVERIFY2(baza.Porneste() && baza.BazaNoua(QStringLiteral("tacut.fdb")), qPrintable(baza.Eroare()));
    TConexiuneProprie conexiune(baza.Loc());
    TTranzactie tr(conexiune);
    QElapsedTimer ceas;
    TPromptCareDezgheata prompt(baza.Server(), ceas);
    int rulari = 0;
    const bool salvat = RuleazaCuEroare([&] {
        TGardaTranzactie garda(tr);
        TInterogare q(tr, QStringLiteral("salvare"));
        q.SQL(QStringLiteral("INSERT INTO TIPURI_DE_DATE (TIP_DE_DATE) VALUES (:T)"));
        q.ParamByName(QStringLiteral("T"), QStringLiteral("PROBA"));
        if (++rulari == 1) {
            baza.Server().Semnal(SIGSTOP);
            ceas.start();
        }
        q.ExecSQL();
        garda.Commit();
    });
    QVERIFY(salvat);
    QCOMPARE(rulari, 2);
    QCOMPARE(prompt.Intrebari.size(), 1);
    QVERIFY2(prompt.Intrebari.first().startsWith(QStringLiteral("Serverul nu raspunde")), qPrintable(prompt.Intrebari.first()));
    QVERIFY2(prompt.Milisecunde.first() >= SecundeRaspunsServer * 1000
                 && prompt.Milisecunde.first() < (SecundeRaspunsServer + SecundeDupaAnulare + 3) * 1000,
             qPrintable(QString::number(prompt.Milisecunde.first())));
    TConexiuneSecundara alta(baza.Loc());
    QCOMPARE(ColoanaPeConexiune(alta.Conexiune(), "SELECT COUNT(*) FROM TIPURI_DE_DATE WHERE TIP_DE_DATE = 'PROBA'"),
             QStringList{"1"});
}

// An import on a server that freezes, then SIGTERM: the program ends in seconds with 143, and
// the server, going on, keeps every pupil whole.
void TestServerTacut::semnalulOpresteAsteptareaServerului()
{
    SARI_FARA_SERVER_FIREBIRD();
    TBazaPeServer baza;
    QVERIFY2(baza.Porneste() && baza.BazaNoua(QStringLiteral("import.fdb")), qPrintable(baza.Eroare()));
    TMediuTest mediu(false);
    QProcess proces;
    PornesteProgramul(proces,
                      {"--import", PRAVENT_SOURCE_DIR "/tests/import/fixtures/registru1200.xlsx", "--cnp-column", "C",
                       "--field", "PV.FATA.C_NUME=prima:B", "--field", "PV.FATA.C_PRENUME=adoua:B"},
                      mediu.Dosar());
    QVERIFY(proces.waitForStarted());
    TConexiuneSecundara martor(baza.Loc());
    QDeadlineTimer termen(60000);
    // Until the first group of pupils is committed (before the start-up made the table, the
    // query fails and reads as no number).
    while (ColoanaPeConexiune(martor.Conexiune(), "SELECT COUNT(*) FROM ELEVI").first().toInt() == 0) {
        QVERIFY2(!termen.hasExpired() && proces.state() == QProcess::Running,
                 qPrintable(QString::fromUtf8(proces.readAllStandardError())));
        QThread::msleep(50);
    }
    baza.Server().Semnal(SIGSTOP);
    QThread::msleep(300);
    QElapsedTimer ceas;
    ceas.start();
    ::kill(static_cast<pid_t>(proces.processId()), SIGTERM);
    QVERIFY(proces.waitForFinished((SecundeRaspunsServer + 10) * 1000));
    QVERIFY2(ceas.elapsed() < (SecundeDupaAnulare + 4) * 1000, qPrintable(QString::number(ceas.elapsed())));
    QCOMPARE(proces.exitStatus(), QProcess::NormalExit);
    QCOMPARE(proces.exitCode(), 143);
    baza.Server().Semnal(SIGCONT);
    QCOMPARE(ColoanaPeConexiune(martor.Conexiune(),
                                "SELECT COUNT(*) FROM ELEVI e WHERE (SELECT COUNT(*) FROM \"DATE\" d WHERE d.ID_ELEVI = "
                                "e.ID_ELEVI) <> (SELECT COUNT(*) FROM PROFIL_DIPLOMA WHERE ASOCIAT_CU = 'ELEVI')"),
             QStringList{"0"});
    QVERIFY(ColoanaPeConexiune(martor.Conexiune(), "SELECT COUNT(*) FROM ELEVI").first().toInt() < 1200);
}

// A database outside the folders the server's configuration allows.
void TestServerTacut::caleaRefuzataDeServerInRomana()
{
    SARI_FARA_SERVER_FIREBIRD();
    TServerFirebird server;
    QVERIFY2(server.Porneste(), qPrintable(server.Eroare()));
    QTemporaryDir altundeva;
    const QString conexiune =
        QStringLiteral("%1/%2:%3/baza.fdb").arg(server.Gazda()).arg(server.Port()).arg(altundeva.path());
    const QString mesaj = EroareaLa(TLocBazaDeDate::Server(conexiune, server.Utilizator(), server.Parola()));
    QVERIFY2(mesaj.startsWith(QStringLiteral("Serverul nu permite folosirea bazei de date \"%1\"").arg(conexiune)),
             qPrintable(mesaj));
    QVERIFY2(mesaj.contains(QStringLiteral("\n\nDetalii: ")), qPrintable(mesaj));
}

// The server ends between the statement and the commit: the user is told the outcome is not
// known, not that the server cannot be reached or that nothing was saved.
void TestServerTacut::legaturaPierdutaLaSalvareInRomana()
{
    SARI_FARA_SERVER_FIREBIRD();
    TBazaPeServer baza;
    QVERIFY2(baza.Porneste() && baza.BazaNoua(QStringLiteral("pierduta.fdb")), qPrintable(baza.Eroare()));
    TConexiuneProprie conexiune(baza.Loc());
    TTranzactie tr(conexiune);
    TGardaTranzactie garda(tr);
    TInterogare q(tr, QStringLiteral("salvare"));
    q.SQL(QStringLiteral("INSERT INTO TIPURI_DE_DATE (TIP_DE_DATE) VALUES ('PROBA')"));
    q.ExecSQL();
    baza.Server().Semnal(SIGKILL);
    QThread::msleep(200);
    QString mesaj;
    try {
        garda.Commit();
    } catch (const EEroare& e) {
        mesaj = e.Mesaj();
    }
    QVERIFY2(mesaj.startsWith(QStringLiteral("Legatura cu serverul bazei de date \"%1\" s-a pierdut in timpul "
                                             "salvarii: nu se stie daca ultimele modificari au fost pastrate.")
                                  .arg(baza.Loc().Conexiune())),
             qPrintable(mesaj));
}

QTEST_GUILESS_MAIN(TestServerTacut)
#include "tst_servertacut.moc"
