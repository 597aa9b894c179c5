#include "base/brvregistryclass.h"
#include "base/eroare.h"
#include "print/allstuffreg.h"
#include "base/infoglobal2005.h"
#include "print/listavirgule.h"
#include "support/mediutest.h"
#include "support/prompttest.h"
#include "support/virgulazecimala.h"

#include <QDir>
#include <QSettings>
#include <QtTest>

namespace {

QString ValoareStocata(const QString& nume)
{
    QSettings setari = DeschideSetari();
    setari.beginGroup(TAllStuffReg::Grup);
    return setari.value(nume).toString();
}

void StocheazaTot(const QString& tot)
{
    QSettings setari = DeschideSetari();
    setari.beginGroup(TAllStuffReg::Grup);
    setari.setValue(QStringLiteral("all"), tot);
}

} // namespace

class TestSetariTiparire : public QObject {
    Q_OBJECT
private slots:
    void listaCuVirgule_data();
    void listaCuVirgule();
    void primaEliberareCreeazaValorile();
    void margineCuVirgulaSiNumeCuBlancuri();
    void obiectulCurent();
    void totMalformatSeRescrie_data();
    void totMalformatSeRescrie();
    void margineImposibilaCititaCaNesetata();
    void setariCeNuPotFiScriseSuntSemnalate();
};

void TestSetariTiparire::listaCuVirgule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("elemente");
    QTest::newRow("goluri") << "0,,1," << QStringList{"0", "", "1", ""};
    QTest::newRow("blancuri separa") << "HP Laser, 2" << QStringList{"HP", "Laser", "2"};
    QTest::newRow("citat dublat") << "\"a \"\"b\"\",c\",d" << QStringList{"a \"b\",c", "d"};
    QTest::newRow("citat neterminat") << "x,\"a b" << QStringList{"x", "a b"};
    QTest::newRow("gol") << "" << QStringList{};
    // A damaged settings file: the reader must move past it, not stand on it for ever.
    QTest::newRow("NUL") << (QString("0,1") + QChar(0) + ",2" + QChar(0) + QChar(0) + "x") << QStringList{"0", "1", "2", "x"};
    QTest::newRow("doar NUL") << QString(3, QChar(0)) << QStringList{};
}

void TestSetariTiparire::listaCuVirgule()
{
    QFETCH(QString, text);
    QFETCH(QStringList, elemente);
    QCOMPARE(CitesteListaVirgule(text), elemente);
    // Quoting makes every list survive the way back, blanks and commas included.
    QCOMPARE(CitesteListaVirgule(ScrieListaVirgule({"a b", "", "\"q\"", "1,5", "tab\there", "x"})),
             QStringList({"a b", "", "\"q\"", "1,5", "tab\there", "x"}));
}

void TestSetariTiparire::primaEliberareCreeazaValorile()
{
    TMediuTest mediu(false);
    {
        TAllStuffReg setari;
        QVERIFY(!setari.ImprimantaConfigurata);
        QCOMPARE(setari.ModAlimentare, 0);
        QCOMPARE(setari.OglindescFata, QStringLiteral("*"));
    }
    QCOMPARE(ValoareStocata("all"), QStringLiteral("0,0,0,0,0,0,0,0,0,0,,0"));
    QCOMPARE(ValoareStocata("OglindescFata"), QStringLiteral("*"));
    QCOMPARE(ValoareStocata("OglindescVerso"), QStringLiteral("*"));
}

void TestSetariTiparire::margineCuVirgulaSiNumeCuBlancuri()
{
    TMediuTest mediu(false);
    TVirgulaZecimala virgula;
    {
        TAllStuffReg setari;
        setari.ImprimantaConfigurata = true;
        setari.ModAlimentare = 3;
        setari.MargineStangaFata = 1.5;
        setari.MargineSusVerso = -0.25;
        setari.NumeImprimanta = QStringLiteral("HP LaserJet 1020");
        setari.IndexImprimanta = 2;
        setari.OglindescVerso = QStringLiteral("D");
    }
    QCOMPARE(ValoareStocata("all"), QStringLiteral("0,1,0,0,0,3,\"1,5\",0,0,\"-0,25\",\"HP LaserJet 1020\",2"));
    QCOMPARE(ValoareStocata("OglindescVerso"), QStringLiteral("D"));
    TAllStuffReg citite;
    QVERIFY(citite.ImprimantaConfigurata);
    QCOMPARE(citite.ModAlimentare, 3);
    QCOMPARE(citite.MargineStangaFata, 1.5);
    QCOMPARE(citite.MargineSusVerso, -0.25);
    QCOMPARE(citite.NumeImprimanta, QStringLiteral("HP LaserJet 1020"));
    QCOMPARE(citite.IndexImprimanta, 2);
    QCOMPARE(citite.OglindescFata, QStringLiteral("*"));
    QCOMPARE(citite.OglindescVerso, QStringLiteral("D"));
}

void TestSetariTiparire::obiectulCurent()
{
    TMediuTest mediu(false);
    QVERIFY(!TAllStuffReg::Curent());
    {
        TAllStuffReg primul;
        TAllStuffReg alDoilea;
        QCOMPARE(TAllStuffReg::Curent(), &primul);
    }
    QVERIFY(!TAllStuffReg::Curent());
}

void TestSetariTiparire::totMalformatSeRescrie_data()
{
    QTest::addColumn<QString>("tot");
    QTest::addColumn<QString>("eroare");
    QTest::addColumn<QString>("rescris");
    QTest::newRow("prea scurt") << "0,1,1,0,1,2" << "List index out of bounds (6)"
                                << "0,1,1,0,1,2,0,0,0,0,,0";
    QTest::newRow("nu e numar") << "0,1,0,0,0,abc,0,0,0,0,x,0" << "'abc' is not a valid integer value"
                                << "0,1,0,0,0,0,0,0,0,0,,0";
    QTest::newRow("punct in loc de virgula") << "0,1,0,0,0,2,0.5,0,0,0,x,0"
                                             << "'0.5' is not a valid floating point value"
                                             << "0,1,0,0,0,2,0,0,0,0,,0";
}

void TestSetariTiparire::totMalformatSeRescrie()
{
    QFETCH(QString, tot);
    QFETCH(QString, eroare);
    QFETCH(QString, rescris);
    TMediuTest mediu(false);
    TVirgulaZecimala virgula;
    StocheazaTot(tot);
    try {
        TAllStuffReg setari;
        QFAIL("reading a malformed value must fail");
    } catch (const EEroare& e) {
        QCOMPARE(e.Mesaj(), eroare);
    }
    QVERIFY(!TAllStuffReg::Curent());
    QCOMPARE(ValoareStocata("all"), rescris);
    TAllStuffReg dinNou;
    QVERIFY(dinNou.ImprimantaConfigurata);
}

void TestSetariTiparire::margineImposibilaCititaCaNesetata()
{
    TMediuTest mediu(false);
    TVirgulaZecimala virgula;
    StocheazaTot("0,1,0,0,0,2,nan,inf,\"1e12\",\"-2,5\",x,0");
    const TAllStuffReg setari;
    QCOMPARE(setari.MargineStangaFata, 0.0);
    QCOMPARE(setari.MargineSusFata, 0.0);
    QCOMPARE(setari.MargineStangaVerso, 0.0);
    QCOMPARE(setari.MargineSusVerso, -2.5);
    QCOMPARE(setari.ModAlimentare, 2);
}

void TestSetariTiparire::setariCeNuPotFiScriseSuntSemnalate()
{
    TMediuTest mediu(false);
    TPromptTest mesaje;
    const QString fisier = DeschideSetari().fileName();
    QVERIFY(QDir().mkpath(fisier)); // a folder where the file should be
    {
        TAllStuffReg setari;
        setari.ImprimantaConfigurata = true;
    }
    {
        TInfoGlobal2005 optiuni;
        optiuni.setSufixFete(QStringLiteral("Dra."));
    }
    const QStringList erori = mesaje.Texte(TPromptTest::Fel::Eroare);
    QCOMPARE(erori.size(), 2);
    for (const QString& eroare : erori)
        QCOMPARE(eroare, "Setarile nu au putut fi scrise in fisierul \"" + fisier
                             + "\": modificarea nu a fost pastrata.");
}

QTEST_MAIN(TestSetariTiparire)
#include "tst_setaritiparire.moc"
