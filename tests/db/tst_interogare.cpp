// The query layer: named parameters, transaction tracking and the guards that close and
// roll back on every path.
#include "base/eroare.h"
#include "db/parametrisql.h"
#include "support/mediutest.h"

#include <QtTest>

class TestInterogare : public QObject {
    Q_OBJECT
private slots:
    void parametriPozitionali_data();
    void parametriPozitionali();
    void parametruRepetatSiCuDolar();
    void gardaAnuleazaLaExceptieSiInchideInterogarile();
    void tranzactiaImprumutataLasaActivaTranzactiaApelantului();
    void interogareFaraTranzactieEsteRefuzata();
    void textulGolNuDevineNull();
    void aceeasiComandaRulataDinNou();
};

void TestInterogare::parametriPozitionali_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("nume");
    QTest::newRow("catalog") << "select X from T where R = :RDB$RELATION_NAME" << "select X from T where R = ?"
                             << QStringList{"RDB$RELATION_NAME"};
    QTest::newRow("repetat") << "update T set A = :A where (A = :a)" << "update T set A = ? where (A = ?)"
                             << QStringList{"A", "A"};
    QTest::newRow("in ghilimele") << "select ':X', \"A:B\" from T where C = :C" << "select ':X', \"A:B\" from T where C = ?"
                                  << QStringList{"C"};
    QTest::newRow("doua puncte singure") << "select a : b" << "select a : b" << QStringList{};
}

void TestInterogare::parametriPozitionali()
{
    QFETCH(QString, sql);
    const TSqlPozitional rezultat = ParametriPozitionali(sql);
    QTEST(rezultat.Text, "text");
    QTEST(rezultat.Nume, "nume");
}

void TestInterogare::parametruRepetatSiCuDolar()
{
    TMediuTest mediu;
    TDM& dm = mediu.PornesteDM();
    TGardaTranzactie tr(dm.Tr());
    dm.Q1().SQL("select RDB$RELATION_NAME from RDB$RELATIONS where RDB$RELATION_NAME = :RDB$RELATION_NAME or "
                "RDB$RELATION_NAME = :rdb$relation_name");
    dm.Q1().ParamByName("RDB$RELATION_NAME", "ELEVI");
    dm.Q1().Open();
    QVERIFY(!dm.Q1().Eof());
    QCOMPARE(dm.Q1().FieldByName("RDB$RELATION_NAME").AsString().trimmed(), QString("ELEVI"));
    dm.Q1().Next();
    QVERIFY(dm.Q1().Eof());
    QVERIFY_THROWS_EXCEPTION(EEroare, dm.Q1().ParamByName("ALTUL", 1));
}

void TestInterogare::gardaAnuleazaLaExceptieSiInchideInterogarile()
{
    TMediuTest mediu;
    TDM& dm = mediu.PornesteDM();
    try {
        TGardaTranzactie tr(dm.Tr());
        dm.Q1().SQL("insert into TIPURI_DE_DATE (TIP_DE_DATE) values ('NOU')");
        dm.Q1().ExecSQL();
        dm.Q2().SQL("select * from TIPURI_DE_DATE");
        dm.Q2().Open();
        dm.Q3().SQL("select * from TABELA_CARE_NU_EXISTA");
        dm.Q3().Open();
        QFAIL("the statement on a missing table must fail");
    } catch (const EEroare& e) {
        QVERIFY(e.Mesaj().contains("TABELA_CARE_NU_EXISTA"));
    }
    QVERIFY(!dm.Tr().Active());
    QVERIFY(!dm.Q2().Active());
    QCOMPARE(ColoanaSql(dm, "select count(*) from TIPURI_DE_DATE where TIP_DE_DATE = 'NOU'"), QStringList{"0"});
}

void TestInterogare::tranzactiaImprumutataLasaActivaTranzactiaApelantului()
{
    TMediuTest mediu;
    TDM& dm = mediu.PornesteDM();
    {
        TGardaTranzactie tr(dm.Tr());
        { TTranzactieImprumutata imprumut(dm.Tr()); }
        QVERIFY(dm.Tr().Active());
    }
    QVERIFY(!dm.Tr().Active());
    {
        TTranzactieImprumutata imprumut(dm.Tr());
        QVERIFY(dm.Tr().Active());
    }
    QVERIFY(!dm.Tr().Active());
}

void TestInterogare::interogareFaraTranzactieEsteRefuzata()
{
    TMediuTest mediu;
    TDM& dm = mediu.PornesteDM();
    dm.Q1().SQL("select * from TABELE");
    QVERIFY_THROWS_EXCEPTION(EEroare, dm.Q1().Open());
    QVERIFY_THROWS_EXCEPTION(EEroare, dm.Tr().Commit());
}

void TestInterogare::textulGolNuDevineNull()
{
    TMediuTest mediu;
    TDM& dm = mediu.PornesteDM();
    TGardaTranzactie tr(dm.Tr());
    dm.Q1().SQL("insert into TABELE (NUME_TABEL, EXP_DENUMIRE) values (:N, :E)");
    dm.Q1().ParamByName("N", "GOL");
    dm.Q1().ParamByName("E", QString());
    dm.Q1().ExecSQL();
    dm.Q1().SQL("select count(*) from TABELE where EXP_DENUMIRE = '' and NUME_TABEL = 'GOL'");
    dm.Q1().Open();
    QCOMPARE(dm.Q1().Fields(0).AsInteger(), 1);
}

void TestInterogare::aceeasiComandaRulataDinNou()
{
    TMediuTest mediu;
    TDM& dm = mediu.PornesteDM();
    auto citeste = [&dm](const QString& tip) {
        dm.Q1().SQL("select TIP_DE_DATE, TIP_DE_DATE AS ALT from TIPURI_DE_DATE where TIP_DE_DATE = :T");
        dm.Q1().ParamByName("T", tip);
        dm.Q1().Open();
        return dm.Q1().Eof() ? QString() : dm.Q1().FieldByName("tip_de_date").AsString();
    };
    for (int tranzactie = 0; tranzactie < 2; ++tranzactie) {
        TGardaTranzactie tr(dm.Tr());
        QCOMPARE(citeste("CNP"), QString("CNP"));
        QCOMPARE(citeste("NOTA"), QString("NOTA"));
        QCOMPARE(citeste("X"), QString());
        dm.Q1().SQL("insert into TIPURI_DE_DATE (TIP_DE_DATE) values (:T)");
        dm.Q1().ParamByName("T", QString("NOU%1").arg(tranzactie));
        dm.Q1().ExecSQL();
        QVERIFY_THROWS_EXCEPTION(EEroare, dm.Q1().ExecSQL());
        QCOMPARE(citeste("NOU" + QString::number(tranzactie)), "NOU" + QString::number(tranzactie));
        tr.Commit();
    }
}

QTEST_MAIN(TestInterogare)
#include "tst_interogare.moc"
