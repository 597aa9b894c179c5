// Start-up of the data module on real Firebird databases: the file rule, the upgrade
// ladder, the dynamic structures and the profile synchronisation.
#include "base/eroare.h"
#include "db/blocareinstanta.h"
#include "profile/profilpv.h"
#include "support/bazapornita.h"
#include "support/mediutest.h"
#include "support/procestest.h"
#include "support/prompttest.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

// Runs the start-up steps up to the schema upgrade, as a start would.
void ConecteazaFaraSincronizare(TDM& dm)
{
    dm.GasesteSauCreeazaBazaDeDate();
    dm.Conecteaza();
}

} // namespace

class TestPornire : public QObject {
    Q_OBJECT
private slots:
    void primaPornireCopiazaSablonulSiIlAduceLaZi();
    void aDouaPornireNuSchimbaNimicSiPastreazaAlegereaUtilizatorului();
    void scaraDeVersiuni();
    void faraBazaSiFaraSablonIeseCuCodul1();
    void faraBazaSiFaraSablonLaLiniaDeComanda();
    void initializareaLaLiniaDeComandaAfiseazaCalea();
    void coloanaLipsaEsteAdaugataSingura();
    void identificatoriSiStergereInCascada();
    void randuriVechiSauCuAltaScriereSuntSterse();
    void douaLiniiCuAceleasiCoduri();
    void numeDeTabelInvalidEsteRefuzat();
};

void TestPornire::primaPornireCopiazaSablonulSiIlAduceLaZi()
{
    TMediuTest mediu;
    const QByteArray sablonInainte = AmprentaFisier(mediu.CaleSablon());
    QVERIFY(!QFile::exists(mediu.Dosar() + "/DB"));
    TDM& dm = mediu.PornesteDM();

    QCOMPARE(dm.CaleBazaDeDate(), mediu.CaleBazaDeDate());
    QVERIFY(QFile::exists(mediu.CaleBazaDeDate()));
    QCOMPARE(AmprentaFisier(mediu.CaleSablon()), sablonInainte);
    QCOMPARE(AbateriDupaPrimaPornire(dm), QStringList());
}

void TestPornire::aDouaPornireNuSchimbaNimicSiPastreazaAlegereaUtilizatorului()
{
    TMediuTest mediu;
    TDM& prima = mediu.PornesteDM();
    // A table name that is none of the tables is not kept (a chosen table is: tst_asociatcu).
    ExecutaSql(prima, "UPDATE PROFIL_DIPLOMA SET ONOREZ_SIMILAR = 'NU', ETICHETA_EDITOR = 'x', ASOCIAT_CU = 'scoala' "
                      "WHERE COD_CAMP = 'D_CNP'");
    mediu.OpresteDM();
    QFile::remove(mediu.CaleSablon()); // a second start does not need the template

    TDM& aDoua = mediu.PornesteDM();
    QCOMPARE(ColoanaSql(aDoua, "SELECT ONOREZ_SIMILAR || '|' || ETICHETA_EDITOR || '|' || ASOCIAT_CU FROM "
                               "PROFIL_DIPLOMA WHERE COD_CAMP = 'D_CNP'"),
             QStringList{"NU|[Candidat]CNP{diploma}|ELEVI"});
    QCOMPARE(RanduriProfil(aDoua), ProfilAsteptat);
    QCOMPARE(ColoanaSql(aDoua, "SELECT VERSIUNE FROM CONFID_DB"), QStringList{"4"});
}

void TestPornire::scaraDeVersiuni()
{
    {
        // Version 2 already has the layout columns: only ORDINE may be added (adding the others
        // again would fail).
        TMediuTest mediu;
        TDM dm;
        ConecteazaFaraSincronizare(dm);
        ExecutaSql(dm, "ALTER TABLE PROFIL_DIPLOMA ADD LATIME_SUGERATA INTEGER, ADD COD_LINIE VARCHAR(32)");
        ExecutaSql(dm, "UPDATE CONFID_DB SET VERSIUNE=2");
        dm.ActualizeazaSchema();
        QCOMPARE(ColoanaSql(dm, "SELECT VERSIUNE FROM CONFID_DB"), QStringList{"4"});
        QVERIFY(ColoaneDate(dm, "PROFIL_DIPLOMA").contains("ORDINE"));
    }
    {
        TMediuTest mediu;
        TDM dm;
        ConecteazaFaraSincronizare(dm);
        ExecutaSql(dm, "UPDATE CONFID_DB SET VERSIUNE=5");
        const QStringList inainte = ColoaneDate(dm, "PROFIL_DIPLOMA");
        dm.ActualizeazaSchema();
        QCOMPARE(ColoanaSql(dm, "SELECT VERSIUNE FROM CONFID_DB"), QStringList{"5"});
        QCOMPARE(ColoaneDate(dm, "PROFIL_DIPLOMA"), inainte);
    }
    {
        TMediuTest mediu;
        TDM dm;
        ConecteazaFaraSincronizare(dm);
        ExecutaSql(dm, "DELETE FROM CONFID_DB");
        QVERIFY_THROWS_EXCEPTION(EEroare, dm.ActualizeazaSchema());
        QVERIFY(!dm.Tr().Active());
    }
}

void TestPornire::faraBazaSiFaraSablonIeseCuCodul1()
{
    TMediuTest mediu(false);
    TPromptTest prompt;
    TDM dm;
    int cod = 0;
    QString mesaj;
    try {
        dm.DataModuleCreate();
    } catch (const ESablonLipsa& e) {
        cod = e.CodIesire();
        mesaj = e.Mesaj();
    }
    QCOMPARE(cod, 1);
    QCOMPARE(mesaj, "Nu exista baza de date curenta si nu gasesc baza de date \"BLANK\" pentru initializare.\r\n"
                    "DB Curent:" + mediu.CaleBazaDeDate() + "\r\nDB Blank:" + mediu.CaleSablon());
    // The data module only raises it: what the user sees is decided by the start-up.
    QVERIFY(prompt.Texte(TPromptTest::Fel::Avertisment).isEmpty());
    QVERIFY(!dm.Conectat());
}

void TestPornire::faraBazaSiFaraSablonLaLiniaDeComanda()
{
    // A copy of the program without a template beside it, over an empty data folder.
    TMediuTest mediu(false);
    const QString program = mediu.Dosar() + "/bin/pravent";
    QDir().mkpath(mediu.Dosar() + "/bin");
    QVERIFY(QFile::copy(PRAVENT_EXECUTABLE, program));
    const TRezultatProces rezultat = RuleazaProgramul({"--init-db"}, mediu.Dosar(), program);
    QCOMPARE(rezultat.CodIesire, 1);
    const QString& eroare = rezultat.Erori;
    QVERIFY2(eroare.contains("DB Curent:" + mediu.CaleBazaDeDate() + "\r\nDB Blank:" + mediu.CaleSablon()),
             qPrintable(eroare));
    QVERIFY(!QFile::exists(mediu.CaleBazaDeDate()));
}

void TestPornire::initializareaLaLiniaDeComandaAfiseazaCalea()
{
    // No template in the data folder: the one beside the program is used.
    TMediuTest mediu(false);
    const TRezultatProces rezultat = RuleazaProgramul({"--init-db"}, mediu.Dosar());
    QCOMPARE(rezultat.CodIesire, 0);
    QCOMPARE(rezultat.Iesire.trimmed(), mediu.CaleBazaDeDate());
    QVERIFY(QFile::exists(mediu.CaleBazaDeDate()));
}

void TestPornire::coloanaLipsaEsteAdaugataSingura()
{
    TMediuTest mediu;
    TDM dm;
    ConecteazaFaraSincronizare(dm);
    dm.ActualizeazaSchema();
    dm.SincronizeazaTabele();
    ExecutaSql(dm, "ALTER TABLE \"DATE\" ADD ID_SCOALA INTEGER");
    dm.CreeazaStructuri();
    const QStringList coloane = ColoaneDate(dm, "DATE");
    QCOMPARE(coloane.count("ID_SCOALA"), 1);
    QCOMPARE(coloane.count("IDF_SCOALA"), 1);
    QVERIFY(Constrangeri(dm).contains("FK_SCOALA_1"));
    QVERIFY(Constrangeri(dm).contains("FK_SCOALA_2"));
    // Running it again finds everything in place and changes nothing.
    dm.CreeazaStructuri();
    QCOMPARE(ColoaneDate(dm, "DATE"), coloane);
}

void TestPornire::identificatoriSiStergereInCascada()
{
    TMediuTest mediu;
    TDM& dm = mediu.PornesteDM();
    auto elevNou = [&dm] {
        TGardaTranzactie tr(dm.Tr());
        dm.Q1().SQL("SELECT GEN_ID(G_ID_ELEVI,1) AS \"ID\" FROM RDB$DATABASE");
        dm.Q1().Open();
        const int id = dm.Q1().FieldByName("ID").AsInteger();
        dm.Q1().SQL("insert into ELEVI (ID_ELEVI) values (:id)");
        dm.Q1().ParamByName("id", id);
        dm.Q1().ExecSQL();
        tr.Commit();
        return id;
    };
    QCOMPARE(elevNou(), 1);
    ExecutaSql(dm, "INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, ID_ELEVI) "
                   "VALUES ('PV', 'FATA', 'C_NUME', 'Popescu', 0, 1)");
    ExecutaSql(dm, "INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, ID_ELEVI) "
                   "VALUES ('PV', 'FATA', 'C_PRENUME', 'Ion', 0, 1)");
    ExecutaSql(dm, "delete from ELEVI where ID_ELEVI = 1");
    QCOMPARE(ColoanaSql(dm, "SELECT COUNT(*) FROM \"DATE\""), QStringList{"0"});
    QCOMPARE(elevNou(), 2);
}

void TestPornire::randuriVechiSauCuAltaScriereSuntSterse()
{
    TMediuTest mediu;
    TDM& dm = mediu.PornesteDM();
    ExecutaSql(dm, "INSERT INTO PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP, ONOREZ_SIMILAR) VALUES ('PV', "
                   "'FATA', 'C_VECHI', 'DA')");
    ExecutaSql(dm, "INSERT INTO PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP, ONOREZ_SIMILAR) VALUES ('PV', "
                   "'FATA', 'c_nume', 'DA')");
    dm.SincronizeazaProfil();
    QCOMPARE(ColoanaSql(dm, "SELECT COUNT(*) FROM PROFIL_DIPLOMA"), QStringList{"50"});
    QCOMPARE(ColoanaSql(dm, "SELECT COD_CAMP FROM PROFIL_DIPLOMA WHERE UPPER(COD_CAMP) IN ('C_NUME', 'C_VECHI')"),
             QStringList{"C_NUME"});
}

void TestPornire::douaLiniiCuAceleasiCoduri()
{
    TMediuTest mediu;
    TDM& dm = mediu.PornesteDM();
    TListaLiniiProfilDiploma profil;
    profil.AdaugaLinie("PV", "FATA", "C_NUME", "[A]Primul", "", "DA", "TEXT", "ELEVI", "", 10, "L1");
    profil.AdaugaLinie("PV", "FATA", "C_PRENUME", "[A]Altul", "", "DA", "TEXT", "ELEVI", "", 0, "");
    profil.AdaugaLinie("PV", "FATA", "C_NUME", "[A]Al doilea", "", "DA", "CNP", "ELEVI", "", 20, "L2");
    dm.SincronizeazaProfil(profil);
    QCOMPARE(ColoanaSql(dm, "SELECT COD_CAMP || '|' || ETICHETA_EDITOR || '|' || TIP_DE_DATE || '|' || "
                            "LATIME_SUGERATA || '|' || COD_LINIE || '|' || ORDINE FROM PROFIL_DIPLOMA ORDER BY COD_CAMP"),
             (QStringList{"C_NUME|[A]Al doilea|CNP|20|L2|3", "C_PRENUME|[A]Altul|TEXT|0||2"}));
}

void TestPornire::numeDeTabelInvalidEsteRefuzat()
{
    TMediuTest mediu;
    TDM& dm = mediu.PornesteDM();
    ExecutaSql(dm, "INSERT INTO TABELE (NUME_TABEL, EXP_DENUMIRE) VALUES ('X; DROP TABLE ELEVI', '')");
    QVERIFY_THROWS_EXCEPTION(EEroare, dm.CreeazaStructuri());
    QVERIFY(!dm.Tr().Active());
    QCOMPARE(ColoanaSql(dm, "SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = 'ELEVI'"), QStringList{"1"});
}

QTEST_MAIN(TestPornire)
#include "tst_pornire.moc"
