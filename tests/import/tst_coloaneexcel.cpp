#include "base/eroare.h"
#include "registre/coloaneexcel.h"
#include "registre/foaie.h"

#include <QtTest>

// What CitesteFoaia keeps of a sheet built cell by cell.
class TestColoaneExcel : public QObject {
    Q_OBJECT
private slots:
    void pareCnp_data();
    void pareCnp();
    void randuriPastrate();
    void coloanePanaLaZZ();
    void randuriRepetatePastrateOdata();
    void adrese();
};

void TestColoaneExcel::pareCnp_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("cnp");
    QTest::newRow("13 cifre") << "5110711234567" << true;
    QTest::newRow("12 cifre") << "511071123456" << false;
    QTest::newRow("14 cifre") << "51107112345678" << false;
    QTest::newRow("exponent") << "5,11071E+12" << false;
    QTest::newRow("cu blanc") << "511071123456 " << false;
    QTest::newRow("cifre arabe late") << QString::fromUtf16(u"٥١١٠٧١١٢٣٤٥٦٧") << false;
    QTest::newRow("gol") << "" << false;
}

void TestColoaneExcel::pareCnp()
{
    QFETCH(QString, text);
    QFETCH(bool, cnp);
    QCOMPARE(PareCNP(text), cnp);
}

// Every row of the used range that holds a CNP, however far down and after whatever gap;
// columns up to the last used one, empty ones between included.
void TestColoaneExcel::randuriPastrate()
{
    TFoaie foaie(QStringLiteral("Clasa"));
    foaie.Pune(0, 0, QStringLiteral("Catalog"));
    foaie.Pune(2, 0, QStringLiteral("CNP"));
    foaie.Pune(2, 1, QStringLiteral("Nume"));
    foaie.Pune(3, 0, QStringLiteral("1010101123456"));
    foaie.Pune(3, 1, QStringLiteral("Ana"));
    foaie.Pune(40, 0, QStringLiteral("2010101123456"));   // after 36 empty rows
    foaie.Pune(1500, 1, QStringLiteral("Dan"));
    foaie.Pune(1500, 5, QStringLiteral("5010101123456")); // past row 999, right of empty columns
    foaie.Pune(1501, 0, QStringLiteral("Total"));
    foaie.Pune(1501, 1, QStringLiteral("3"));
    TListaColoaneExcel coloane;
    CitesteFoaia(foaie, coloane);
    QCOMPARE(int(coloane.Coloane().size()), 6);
    QCOMPARE(coloane.NumarRanduri(), 3);
    QCOMPARE(coloane.Coloana(QStringLiteral("A"))->Texte(),
             QStringList({"1010101123456", "2010101123456", ""}));
    QCOMPARE(coloane.Coloana(QStringLiteral("B"))->Texte(), QStringList({"Ana", "", "Dan"}));
    QCOMPARE(coloane.Coloana(QStringLiteral("E"))->Texte(), QStringList({"", "", ""}));
    QCOMPARE(coloane.Coloana(QStringLiteral("F"))->Texte(), QStringList({"", "", "5010101123456"}));
    QVERIFY(!coloane.Coloana(QStringLiteral("G")));
    // The row numbers the user sees in the spreadsheet.
    QCOMPARE(coloane.RandFoaie(0), 4);
    QCOMPARE(coloane.RandFoaie(1), 41);
    QCOMPARE(coloane.RandFoaie(2), 1501);
    // Read again: the list starts over.
    CitesteFoaia(TFoaie(), coloane);
    QVERIFY(coloane.Coloane().empty());
    QCOMPARE(coloane.RandFoaie(0), 1);
}

void TestColoaneExcel::coloanePanaLaZZ()
{
    TFoaie foaie;
    foaie.Pune(0, 0, QStringLiteral("1010101123456"));
    foaie.Pune(0, 800, QStringLiteral("dincolo de ZZ"));
    foaie.Pune(1, 800, QStringLiteral("2010101123456"));  // its only CNP lies beyond ZZ
    TListaColoaneExcel coloane;
    CitesteFoaia(foaie, coloane);
    QCOMPARE(coloane.Coloane().back().Litera(), QStringLiteral("ZZ"));
    QCOMPARE(int(coloane.Coloane().size()), 702);
    QCOMPARE(coloane.NumarRanduri(), 1);
}

// A row repeated exactly is read once, where it first appears, so that an import does not
// write the same pupil over and over; rows differing in any cell all stay, and more different
// rows than the bound are refused with a message, not read.
void TestColoaneExcel::randuriRepetatePastrateOdata()
{
    TFoaie foaie(QStringLiteral("Clasa"));
    for (int rand = 0; rand < 100'000; ++rand) {
        foaie.Pune(rand, 0, QStringLiteral("1010101123456"));
        foaie.Pune(rand, 2, QStringLiteral("Ana"));
    }
    foaie.Pune(100'000, 0, QStringLiteral("1010101123456"));
    foaie.Pune(100'000, 2, QStringLiteral("Ana Maria"));
    foaie.Pune(100'001, 0, QStringLiteral("1010101123456"));
    foaie.Pune(100'001, 1, QStringLiteral("Ana")); // the same text in another column
    foaie.Pune(100'002, 0, QStringLiteral("2020202123456"));
    foaie.Pune(100'002, 2, QStringLiteral("Ana"));
    foaie.Pune(100'003, 0, QStringLiteral("1010101123456"));
    foaie.Pune(100'003, 2, QStringLiteral("Ana"));
    TListaColoaneExcel coloane;
    CitesteFoaia(foaie, coloane);
    QCOMPARE(coloane.Coloana(QStringLiteral("A"))->Texte(),
             QStringList({"1010101123456", "1010101123456", "1010101123456", "2020202123456"}));
    QCOMPARE(coloane.Coloana(QStringLiteral("B"))->Texte(), QStringList({"", "", "Ana", ""}));
    QCOMPARE(coloane.Coloana(QStringLiteral("C"))->Texte(), QStringList({"Ana", "Ana Maria", "", "Ana"}));
    QCOMPARE(coloane.RandFoaie(3), 100'003);

    TFoaie mare(QStringLiteral("Mare"));
    for (int rand = 0; rand <= RanduriCititeMaxime; ++rand)
        mare.Pune(rand, 0, QString::number(1'000'000'000'000 + rand));
    try {
        CitesteFoaia(mare, coloane);
        QFAIL("more rows than the bound must be refused");
    } catch (const EEroare& e) {
        QCOMPARE(e.Mesaj(), QStringLiteral("Foaia de calcul \"Mare\" are 20001 randuri cu CNP diferite; se pot prelua "
                                           "cel mult 20000 dintr-o foaie. Impartiti-o in mai multe foi."));
    }
}

void TestColoaneExcel::adrese()
{
    QCOMPARE(LitereColoana(0), QStringLiteral("A"));
    QCOMPARE(LitereColoana(25), QStringLiteral("Z"));
    QCOMPARE(LitereColoana(26), QStringLiteral("AA"));
    QCOMPARE(LitereColoana(701), QStringLiteral("ZZ"));
    QCOMPARE(IndiceColoana(QStringLiteral("AB")), 27);
    int rand = 0;
    int coloana = 0;
    QVERIFY(DescompuneAdresa(QStringLiteral("AB17"), rand, coloana));
    QCOMPARE(rand, 16);
    QCOMPARE(coloana, 27);
    for (const char* rea : {"", "17", "A", "A0", "A-1", "1A", "A1B", "ÄA1"})
        QVERIFY2(!DescompuneAdresa(QString::fromUtf8(rea), rand, coloana), rea);
    TFoaie foaie;
    foaie.Pune(16, 27, QStringLiteral("  x  "));
    QCOMPARE(foaie.Text(QStringLiteral("AB17")), QStringLiteral("x"));
    QCOMPARE(foaie.Text(QStringLiteral("ab17")), QStringLiteral("x"));
    QCOMPARE(foaie.Text(QStringLiteral("AB18")), QString());
}

QTEST_APPLESS_MAIN(TestColoaneExcel)
#include "tst_coloaneexcel.moc"
