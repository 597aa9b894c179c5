// A start that cannot go on stops clearly and damages nothing: a second instance, a newer
// database, a damaged template, a first start killed half-way, hostile names in TABELE, a
// signal; a start on an unchanged database writes nothing; the daily copy and its restore.
#include "base/eroare.h"
#include "db/blocareinstanta.h"
#include "db/copiibaza.h"
#include "db/mesajefirebird.h"
#include "support/conexiunesecundara.h"
#include "support/mediutest.h"
#include "support/procestest.h"
#include "support/prompttest.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QtTest>
#include <csignal>

namespace {

// Rows and index statistics this attachment has written so far.
int ScrieriAleConexiunii(TDM& dm)
{
    return ColoanaSql(dm, "SELECT r.MON$RECORD_INSERTS + r.MON$RECORD_UPDATES + r.MON$RECORD_DELETES FROM "
                          "MON$ATTACHMENTS a JOIN MON$RECORD_STATS r ON r.MON$STAT_ID = a.MON$STAT_ID WHERE "
                          "a.MON$ATTACHMENT_ID = CURRENT_CONNECTION")
        .value(0)
        .toInt();
}

QStringList RelatiiUtilizator(TDM& dm)
{
    return ColoanaSql(dm, "SELECT TRIM(RDB$RELATION_NAME) FROM RDB$RELATIONS WHERE RDB$SYSTEM_FLAG = 0 ORDER BY 1");
}

// Pupils, each with a name in the value table, entered in one statement (run past the query
// layer, which would take the block's variables for parameters).
void AdaugaElevi(TDM& dm, int numar)
{
    ExecutaPeConexiune(dm.Tr().Conexiune(), {QStringLiteral("EXECUTE BLOCK AS DECLARE i INTEGER = 0; DECLARE id INTEGER; BEGIN WHILE (i < %1) "
                                  "DO BEGIN id = GEN_ID(G_ID_ELEVI, 1); INSERT INTO ELEVI (ID_ELEVI) VALUES (:id); "
                                  "INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, "
                                  "VALOARE_NUM, ID_ELEVI) VALUES ('PV', 'FATA', 'C_NUME', 'Elev ' || :id, 0, :id); "
                                  "i = i + 1; END END")
                       .arg(numar)});
}

int NumarElevi(TDM& dm)
{
    return ColoanaSql(dm, "SELECT COUNT(*) FROM ELEVI").value(0).toInt();
}

} // namespace

class TestPornireProtejata : public QObject {
    Q_OBJECT
private slots:
    void oADouaInstantaEsteRefuzata();
    void versiuneaMaiNouaRamaneNeatinsa();
    void sablonTrunchiatNuDevineBazaDeDate();
    void primaPornireOpritaLaOricePasEsteReluata();
    void numeDinTabeleVerificateInainteDeStructuri();
    void aDouaPornireNuScrieNimic();
    void statisticiRefacuteDoarCandTabelaCreste();
    void semnalulOpresteCuratModulLinieiDeComanda();
    void copiaZilnicaOdataPeZiSiUltimeleZece();
    void copiaCeNuPoateFiFacutaNuOpresteStartul();
    void restaurareaPuneCopiaInapoi();
    void mesajeRomanestiPentruFirebird();
};

void TestPornireProtejata::oADouaInstantaEsteRefuzata()
{
    TMediuTest mediu;
    mediu.PornesteDM();
    const TRezultatProces linie = RuleazaProgramul({"--list-pupils"}, mediu.Dosar());
    QCOMPARE(linie.CodIesire, 2);
    QVERIFY2(linie.Erori.contains("Programul este deja pornit."), qPrintable(linie.Erori));
    // The same over a data module in this process, before anything else is done.
    TDM alDoilea;
    QVERIFY_THROWS_EXCEPTION(EOprestePornirea, alDoilea.DataModuleCreate());
    QVERIFY(!alDoilea.Conectat());
    // Once the first is gone its lock goes too, also when it was left by a process killed.
    mediu.OpresteDM();
    QCOMPARE(RuleazaProgramul({"--list-pupils"}, mediu.Dosar()).CodIesire, 0);
}

void TestPornireProtejata::versiuneaMaiNouaRamaneNeatinsa()
{
    TMediuTest mediu;
    ExecutaSql(mediu.PornesteDM(), "UPDATE CONFID_DB SET VERSIUNE=99");
    mediu.OpresteDM();
    QDir(mediu.Dosar() + "/DB/copii").removeRecursively();
    const QByteArray inainte = AmprentaFisier(mediu.CaleBazaDeDate());
    for (int pornire = 0; pornire < 2; ++pornire) {
        const TRezultatProces rezultat = RuleazaProgramul({"--init-db"}, mediu.Dosar());
        QCOMPARE(rezultat.CodIesire, 2);
        QVERIFY2(rezultat.Erori.contains("are versiunea 99, mai noua decat versiunea 4"), qPrintable(rezultat.Erori));
        QCOMPARE(AmprentaFisier(mediu.CaleBazaDeDate()), inainte);
    }
}

void TestPornireProtejata::sablonTrunchiatNuDevineBazaDeDate()
{
    TMediuTest mediu;
    QFile sablon(mediu.CaleSablon());
    QVERIFY(sablon.resize(sablon.size() / 3));
    TDM dm;
    try {
        dm.DataModuleCreate();
        QFAIL("a truncated template must not open");
    } catch (const EEroare& e) {
        QVERIFY2(e.Mesaj().contains(mediu.CaleSablon()), qPrintable(e.Mesaj()));
    }
    QVERIFY(!QFile::exists(mediu.CaleBazaDeDate()));
    QCOMPARE(QDir(mediu.Dosar() + "/DB").entryList(QDir::Files), QStringList{});
}

void TestPornireProtejata::primaPornireOpritaLaOricePasEsteReluata()
{
    TMediuTest mediu;
    QElapsedTimer ceas;
    ceas.start();
    QCOMPARE(RuleazaProgramul({"--init-db"}, mediu.Dosar()).CodIesire, 0);
    const qint64 durata = ceas.elapsed();
    // Killed at points spread over the whole first start: copy, upgrade, structures, profile.
    const int opriri = 14;
    for (int i = 0; i < opriri; ++i) {
        QDir(mediu.Dosar() + "/DB").removeRecursively();
        QFile::remove(mediu.Dosar() + "/pravent.lock");
        QProcess proces;
        PornesteProgramul(proces, {"--init-db"}, mediu.Dosar());
        QVERIFY(proces.waitForStarted());
        QThread::msleep(static_cast<unsigned long>(durata * i / opriri));
        proces.kill();
        proces.waitForFinished();
        const TRezultatProces urmatoarea = RuleazaProgramul({"--init-db"}, mediu.Dosar());
        QVERIFY2(urmatoarea.CodIesire == 0, qPrintable(QString("oprit dupa %1 ms: %2")
                                                           .arg(durata * i / opriri)
                                                           .arg(urmatoarea.Erori)));
    }
    TDM& dm = mediu.PornesteDM();
    QCOMPARE(ColoanaSql(dm, "SELECT COUNT(*) FROM PROFIL_DIPLOMA"), QStringList{"50"});
    QCOMPARE(ColoanaSql(dm, "SELECT VERSIUNE FROM CONFID_DB"), QStringList{"4"});
}

void TestPornireProtejata::numeDinTabeleVerificateInainteDeStructuri()
{
    const QStringList refuzate = {"SCOALA\n", QString(30, 'T'), "elevi_mici"};
    for (const QString& nume : refuzate) {
        TMediuTest mediu;
        TDM& dm = mediu.PornesteDM();
        const QStringList inainte = RelatiiUtilizator(dm);
        {
            // Sorted after the valid one, so that a check made name by name would build it first.
            TGardaTranzactie tr(dm.Tr());
            dm.Q1().SQL("INSERT INTO TABELE (NUME_TABEL, EXP_DENUMIRE) VALUES (:NUME, '')");
            dm.Q1().ParamByName("NUME", "AAA");
            dm.Q1().ExecSQL();
            dm.Q1().ParamByName("NUME", nume);
            dm.Q1().ExecSQL();
            tr.Commit();
        }
        QVERIFY_THROWS_EXCEPTION(EEroare, dm.CreeazaStructuri());
        QCOMPARE(RelatiiUtilizator(dm), inainte);
        QVERIFY(!dm.Tr().Active());
    }
}

void TestPornireProtejata::aDouaPornireNuScrieNimic()
{
    TMediuTest mediu;
    AdaugaElevi(mediu.PornesteDM(), 30);
    mediu.OpresteDM();
    // The statistics follow the pupils once; a user's choices stay as they are.
    ExecutaSql(mediu.PornesteDM(), "UPDATE PROFIL_DIPLOMA SET ASOCIAT_CU = 'SCOALA', ONOREZ_SIMILAR = 'NU' WHERE "
                                   "COD_CAMP = 'D_CNP'");
    mediu.OpresteDM();
    TDM& dm = mediu.PornesteDM();
    QCOMPARE(ScrieriAleConexiunii(dm), 0);
    QCOMPARE(ColoanaSql(dm, "SELECT ASOCIAT_CU || ONOREZ_SIMILAR FROM PROFIL_DIPLOMA WHERE COD_CAMP = 'D_CNP'"),
             QStringList{"SCOALANU"});
}

void TestPornireProtejata::statisticiRefacuteDoarCandTabelaCreste()
{
    TMediuTest mediu;
    TDM& dm = mediu.PornesteDM();
    const QString statistici = "SELECT i.RDB$STATISTICS FROM RDB$INDICES i JOIN RDB$INDEX_SEGMENTS s ON "
                               "s.RDB$INDEX_NAME = i.RDB$INDEX_NAME WHERE i.RDB$RELATION_NAME = 'DATE' AND "
                               "s.RDB$FIELD_NAME = 'ID_ELEVI'";
    const QString laPornire = ColoanaSql(dm, statistici).value(0);
    AdaugaElevi(dm, 40);
    mediu.OpresteDM();
    const QString dupaCrestere = ColoanaSql(mediu.PornesteDM(), statistici).value(0);
    QVERIFY2(dupaCrestere != laPornire, qPrintable(dupaCrestere));
    AdaugaElevi(mediu.DM(), 5);
    mediu.OpresteDM();
    QCOMPARE(ColoanaSql(mediu.PornesteDM(), statistici).value(0), dupaCrestere);
}

void TestPornireProtejata::semnalulOpresteCuratModulLinieiDeComanda()
{
    TMediuTest mediu;
    AdaugaElevi(mediu.PornesteDM(), 20000);
    mediu.OpresteDM();
    for (const int semnal : {SIGTERM, SIGINT}) {
        QProcess proces;
        // A command that reads every pupil field by field, so that it is still running.
        PornesteProgramul(proces, {"--check-pupils"}, mediu.Dosar());
        QVERIFY(proces.waitForStarted());
        QThread::msleep(1500);
        QCOMPARE(proces.state(), QProcess::Running);
        ::kill(static_cast<pid_t>(proces.processId()), semnal);
        QVERIFY(proces.waitForFinished(10000));
        QCOMPARE(proces.exitStatus(), QProcess::NormalExit);
        QCOMPARE(proces.exitCode(), semnal == SIGTERM ? 143 : 130);
        QVERIFY(QString::fromLocal8Bit(proces.readAllStandardError()).contains("Programul a fost oprit."));
        // Rolled back and closed: the lock is free and the database opens whole.
        QCOMPARE(NumarElevi(mediu.PornesteDM()), 20000);
        mediu.OpresteDM();
    }
}

void TestPornireProtejata::copiaZilnicaOdataPeZiSiUltimeleZece()
{
    TMediuTest mediu;
    mediu.PornesteDM();
    mediu.OpresteDM();
    const TCopiiZilnice copii(mediu.CaleBazaDeDate());
    const QString azi = copii.CaleCopie(QDate::currentDate());
    QVERIFY(!QFile::exists(azi)); // nothing to copy before the database existed
    AdaugaElevi(mediu.PornesteDM(), 3);
    mediu.OpresteDM();
    mediu.PornesteDM();
    QVERIFY(QFile::exists(azi));
    QCOMPARE(VersiuneaFisierului(azi), VersiuneSchemaCunoscuta);
    const QByteArray copiaDeAzi = AmprentaFisier(azi);
    AdaugaElevi(mediu.DM(), 2);
    mediu.OpresteDM();
    mediu.PornesteDM();
    mediu.OpresteDM();
    QCOMPARE(AmprentaFisier(azi), copiaDeAzi);

    const QDate prima(2001, 1, 1);
    for (int zi = 0; zi < 12; ++zi)
        copii.FaCopia(prima.addDays(zi));
    const QStringList ramase = QDir(copii.Dosar()).entryList(QDir::Files, QDir::Name);
    QCOMPARE(ramase.size(), TCopiiZilnice::CopiiPastrate);
    QCOMPARE(ramase.first(), QFileInfo(copii.CaleCopie(prima.addDays(3))).fileName());
    QVERIFY(ramase.contains(QFileInfo(azi).fileName()));
}

void TestPornireProtejata::copiaCeNuPoateFiFacutaNuOpresteStartul()
{
    TMediuTest mediu;
    mediu.PornesteDM();
    mediu.OpresteDM();
    QFile blocaj(mediu.Dosar() + "/DB/copii");
    QVERIFY(blocaj.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocaj.close();
    TPromptTest mesaje;
    TDM& dm = mediu.PornesteDM();
    QVERIFY(dm.Conectat());
    const QStringList avertismente = mesaje.Texte(TPromptTest::Fel::Avertisment);
    QCOMPARE(avertismente.size(), 1);
    QVERIFY2(avertismente.first().startsWith("Copia zilnica a bazei de date nu a putut fi facuta"),
             qPrintable(avertismente.first()));
}

void TestPornireProtejata::restaurareaPuneCopiaInapoi()
{
    TMediuTest mediu;
    AdaugaElevi(mediu.PornesteDM(), 4);
    mediu.OpresteDM();
    const QString copie = mediu.Dosar() + "/copie.FDB";
    QVERIFY(QFile::copy(mediu.CaleBazaDeDate(), copie));
    AdaugaElevi(mediu.PornesteDM(), 6);
    mediu.OpresteDM();

    const TRezultatProces rezultat = RuleazaProgramul({"--restore", copie}, mediu.Dosar());
    QVERIFY2(rezultat.CodIesire == 0, qPrintable(rezultat.Erori));
    QCOMPARE(NumarElevi(mediu.PornesteDM()), 4);
    mediu.OpresteDM();
    const QStringList deoparte =
        QDir(mediu.Dosar() + "/DB").entryList({"PV2006-inainte-de-restaurare-*.FDB"}, QDir::Files);
    QCOMPARE(deoparte.size(), 1);
    QCOMPARE(VersiuneaFisierului(mediu.Dosar() + "/DB/" + deoparte.first()), VersiuneSchemaCunoscuta);

    // Not a database: refused, the database stays.
    QFile gunoi(mediu.Dosar() + "/gunoi.FDB");
    QVERIFY(gunoi.open(QIODevice::WriteOnly));
    gunoi.write(QByteArray(40000, 'x'));
    gunoi.close();
    const QByteArray inainte = AmprentaFisier(mediu.CaleBazaDeDate());
    QVERIFY(RuleazaProgramul({"--restore", gunoi.fileName()}, mediu.Dosar()).CodIesire != 0);
    QCOMPARE(AmprentaFisier(mediu.CaleBazaDeDate()), inainte);
}

void TestPornireProtejata::mesajeRomanestiPentruFirebird()
{
    TMediuTest mediu;
    QDir().mkpath(mediu.Dosar() + "/DB");
    QFile stricata(mediu.CaleBazaDeDate());
    QVERIFY(stricata.open(QIODevice::WriteOnly));
    stricata.write(QByteArray(64 * 1024, '\x5a'));
    stricata.close();
    TPromptTest mesaje;
    TDM dm;
    try {
        dm.DataModuleCreate();
        QFAIL("a damaged database must not open");
    } catch (const EEroare& e) {
        QVERIFY2(e.Mesaj().startsWith("Fisierul \"" + mediu.CaleBazaDeDate() + "\" nu este o baza de date valida"),
                 qPrintable(e.Mesaj()));
        QVERIFY2(e.Mesaj().contains("Detalii: "), qPrintable(e.Mesaj()));
    }
    const QString cale = "/d/PV2006.FDB";
    QVERIFY(MesajFirebird(cale, "I/O error during \"lock\" operation for file \"/d/PV2006.FDB\" -Database already "
                                "opened with engine instance")
                .startsWith("Baza de date \"/d/PV2006.FDB\" este deschisa de alt program."));
    QVERIFY(MesajFirebird(cale, "I/O error during \"open\" operation -Error while trying to open file -No such file "
                                "or directory")
                .startsWith("Baza de date \"/d/PV2006.FDB\" nu exista."));
    QVERIFY(MesajFirebird(cale, "Error while trying to open file -Permission denied")
                .startsWith("Programul nu are drept de acces"));
    QVERIFY(MesajFirebird(cale, "I/O error during \"write\" operation -No space left on device")
                .startsWith("Nu mai este loc pe disc"));
    QVERIFY(MesajFirebird(cale, "Failure to write block 128 of the database file")
                .startsWith("Baza de date \"/d/PV2006.FDB\" nu a putut fi scrisa pe disc"));
    // Any other failure: a sentence of ours first, the engine's text never alone.
    QCOMPARE(MesajFirebird(cale, "arithmetic exception"),
             QString("Baza de date \"/d/PV2006.FDB\" a refuzat operatia.\n\nDetalii: arithmetic exception"));
}

QTEST_MAIN(TestPornireProtejata)
#include "tst_pornireprotejata.moc"
