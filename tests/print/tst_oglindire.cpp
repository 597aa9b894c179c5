#include "print/allstuffreg.h"
#include "print/insertpaperform.h"
#include "support/mediutest.h"

#include <QCheckBox>
#include <QtTest>

// Whether a side prints mirrored is decided in one place: the choice stored for the side,
// else the one that suits the feeding mode; the prompt starts from the same decision.
class TestOglindire : public QObject {
    Q_OBJECT
private slots:
    void alegereaStocataCastiga();
    void faraAlegereDupaAlimentare_data();
    void faraAlegereDupaAlimentare();
};

void TestOglindire::alegereaStocataCastiga()
{
    TMediuTest mediu(false);
    TAllStuffReg setari;
    setari.ModAlimentare = 1;
    setari.SeteazaOglinda(TPaginaCertificat::Fata, TOglinda::Nu);
    setari.SeteazaOglinda(TPaginaCertificat::Spate, TOglinda::Da);
    QCOMPARE(setari.OglindescFata, QString("N"));
    QCOMPARE(setari.OglindescVerso, QString("D"));
    QVERIFY(!PaginaOglindita(TPaginaCertificat::Fata, setari));
    QVERIFY(PaginaOglindita(TPaginaCertificat::Spate, setari));
}

void TestOglindire::faraAlegereDupaAlimentare_data()
{
    QTest::addColumn<int>("mod");
    QTest::addColumn<bool>("fata");
    QTest::addColumn<bool>("spate");
    QTest::newRow("necalibrat") << 0 << false << true;
    QTest::newRow("prin sus") << 1 << true << false;
    QTest::newRow("frontal") << 2 << false << true;
    QTest::newRow("caseta intoarsa") << 3 << true << false;
    QTest::newRow("caseta normala") << 4 << false << true;
}

void TestOglindire::faraAlegereDupaAlimentare()
{
    QFETCH(int, mod);
    QFETCH(bool, fata);
    QFETCH(bool, spate);
    TMediuTest mediu(false);
    TAllStuffReg setari;
    setari.ModAlimentare = mod;
    QCOMPARE(setari.Oglinda(TPaginaCertificat::Fata), TOglinda::Nealeasa);
    QCOMPARE(PaginaOglindita(TPaginaCertificat::Fata, setari), fata);
    QCOMPARE(PaginaOglindita(TPaginaCertificat::Spate, setari), spate);
    TInsertPaperForm& prompt = TInsertPaperForm::Instanta();
    prompt.Pregateste(0, 0, 0, setari);
    QCOMPARE(prompt.Oglinda()->isChecked(), fata);
    prompt.Pregateste(1, 0, 0, setari);
    QCOMPARE(prompt.Oglinda()->isChecked(), spate);
}

QTEST_MAIN(TestOglindire)
#include "tst_oglindire.moc"
