#include "base/infoglobal2005.h"
#include "forms/formulardeprintat.h"
#include "print/scrienotainformular.h"
#include "support/mediutest.h"

#include <QtTest>

namespace {

using TNota = std::optional<qint32>;

// The mark pair of Romanian on the back of the certificate: digits above, words below.
constexpr double TopSus = 71.6;
constexpr double TopJos = 78.6;
constexpr double Mijloc = (TopSus + TopJos) / 2;

TFormularTextArea* Arie(TFormularDePrintat& pagina, int numar, double topMm, double inaltimeMm)
{
    auto* arie = new TFormularTextArea(&pagina);
    arie->setObjectName(QStringLiteral("FormularTextArea%1").arg(numar));
    arie->SetLeftMm(143.2);
    arie->SetTopMm(topMm);
    arie->SetWidthMm(30.8);
    arie->SetHeightMm(inaltimeMm);
    arie->SetZoomLock(200);
    arie->RepositionFromMm();
    return arie;
}

struct TPaginaCuNota {
    TFormularDePrintat pagina;
    TFormularTextArea* sus = Arie(pagina, 70, TopSus, 5.8);
    TFormularTextArea* jos = Arie(pagina, 71, TopJos, 5.3);

    TPaginaCuNota()
    {
        pagina.SetLatime(295.91);
        pagina.SetInaltime(209.613);
    }
};

// The mark writer works on the models; the widgets then follow them.
void Scrie(TPaginaCuNota& p, std::optional<qint32> nota, int tip)
{
    ScrieNotaInFormular(&p.sus->Model(), &p.jos->Model(), nota, tip);
    p.sus->ActualizeazaDinModel();
    p.jos->ActualizeazaDinModel();
}

void ScrieOptiuni(const QString& notaDiploma, const QString& litereMari)
{
    TInfoGlobal2005 optiuni;
    optiuni.setNotaDiploma(notaDiploma);
    optiuni.setScriuCuLitereMari(litereMari);
}

int PixeliLaZoom100(double mm)
{
    return MmToPixels(PageDpi(100), mm);
}

} // namespace

class TestScrieNotaInFormular : public QObject {
    Q_OBJECT
private slots:
    void faraOptiuniDoarCifreLaMijloc();
    void moduri_data();
    void moduri();
    void tipulAlegeOptiunea_data();
    void tipulAlegeOptiunea();
    void oSinguraArie_data();
    void oSinguraArie();
    void pozitiaDupaDouaSchimbari();
};

void TestScrieNotaInFormular::faraOptiuniDoarCifreLaMijloc()
{
    TMediuTest mediu(false);
    for (int tip = 0; tip <= 3; ++tip) {
        TPaginaCuNota p;
        Scrie(p, 963, tip);
        QCOMPARE(p.sus->Text(), QString("9,63"));
        QVERIFY(p.jos->isHidden());
        QCOMPARE(p.sus->TopMm(), Mijloc);
        QCOMPARE(p.sus->y(), PixeliLaZoom100(Mijloc));
        QCOMPARE(p.jos->TopMm(), TopJos);
    }
}

void TestScrieNotaInFormular::moduri_data()
{
    QTest::addColumn<QString>("optiune");
    QTest::addColumn<QString>("litereMari");
    QTest::addColumn<TNota>("nota");
    QTest::addColumn<QString>("textSus");
    QTest::addColumn<QString>("textJos"); // empty: the lower area is hidden

    const TNota faraNota;
    QTest::newRow("NOTA") << "NOTA" << "1" << TNota(963) << "9,63" << "";
    QTest::newRow("NOTA(PROCENT)") << "NOTA(PROCENT)" << "1" << TNota(963) << "9,63 (NOUĂ, 63%)" << "";
    QTest::newRow("NOTA(PROCENT) mici") << "NOTA(PROCENT)" << "0" << TNota(963) << "9,63 (nouă, 63%)" << "";
    QTest::newRow("NOTA(PROCENT) intreaga") << "NOTA(PROCENT)" << "1" << TNota(900) << "9,00 (NOUĂ)" << "";
    QTest::newRow("NOTA/PROCENT") << "NOTA/PROCENT" << "1" << TNota(905) << "9,05" << "(NOUĂ, 05%)";
    QTest::newRow("NOTA/LITERE") << "NOTA/LITERE" << "1" << TNota(963) << "9,63" << "(NOUĂ, ŞAIZECIŞITREI)";
    QTest::newRow("NOTA/LITERE mici") << "NOTA/LITERE" << "0" << TNota(963) << "9,63" << "(nouă, şaizecişitrei)";
    // An empty choice prints as the options dialog shows it: in capitals.
    QTest::newRow("NOTA/LITERE implicit") << "NOTA/LITERE" << "" << TNota(963) << "9,63" << "(NOUĂ, ŞAIZECIŞITREI)";
    QTest::newRow("zece") << "NOTA/LITERE" << "1" << TNota(1000) << "10,00" << "(ZECE)";
    QTest::newRow("noua") << "NOTA/LITERE" << "1" << TNota(900) << "9,00" << "(NOUĂ)";
    QTest::newRow("noua zece") << "NOTA/LITERE" << "1" << TNota(910) << "9,10" << "(NOUĂ, ZECE)";
    // The amount is the mark times 100: no overflow for the largest mark the type holds.
    QTest::newRow("cea mai mare") << "NOTA" << "1" << TNota(2147483647) << "21.474.836,47" << "";
    QTest::newRow("zero") << "NOTA/LITERE" << "1" << TNota(0) << "0,00" << "()";
    QTest::newRow("fara nota, doua arii") << "NOTA/LITERE" << "1" << faraNota << "----" << " ";
    QTest::newRow("fara nota, o arie") << "NOTA(PROCENT)" << "0" << faraNota << "----" << "";
    // The option's text is compared exactly.
    QTest::newRow("litere mici in optiune") << "nota/litere" << "1" << TNota(963) << "9,63" << "";
}

void TestScrieNotaInFormular::moduri()
{
    QFETCH(QString, optiune);
    QFETCH(QString, litereMari);
    QFETCH(TNota, nota);
    QFETCH(QString, textSus);
    QFETCH(QString, textJos);
    TMediuTest mediu(false);
    ScrieOptiuni(optiune, litereMari);
    TPaginaCuNota p;

    Scrie(p, nota, TipNotaDiploma);
    // Form filling writes each pair twice, once for each of its areas.
    Scrie(p, nota, TipNotaDiploma);

    QCOMPARE(p.sus->Text(), textSus);
    QCOMPARE(p.jos->isHidden(), textJos.isEmpty());
    if (!textJos.isEmpty())
        QCOMPARE(p.jos->Text(), textJos);
    const double top = textJos.isEmpty() ? Mijloc : TopSus;
    QCOMPARE(p.sus->TopMm(), top);
    QCOMPARE(p.sus->y(), PixeliLaZoom100(top));
}

void TestScrieNotaInFormular::tipulAlegeOptiunea_data()
{
    QTest::addColumn<int>("tip");
    QTest::addColumn<QString>("textSus");
    QTest::addColumn<QString>("textJos");
    QTest::newRow("nota diploma") << 0 << "9,63" << "(NOUĂ, ŞAIZECIŞITREI)";
    QTest::newRow("nota cotor") << 1 << "9,63" << "(NOUĂ, 63%)";
    QTest::newRow("medie diploma") << 2 << "9,63 (NOUĂ, 63%)" << "";
    QTest::newRow("medie cotor") << 3 << "9,63" << "";
    QTest::newRow("alt tip") << 7 << "9,63 (NOUĂ, 63%)" << "";
    QTest::newRow("tip negativ") << -1 << "9,63 (NOUĂ, 63%)" << "";
}

void TestScrieNotaInFormular::tipulAlegeOptiunea()
{
    QFETCH(int, tip);
    QFETCH(QString, textSus);
    QFETCH(QString, textJos);
    TMediuTest mediu(false);
    {
        TInfoGlobal2005 optiuni;
        optiuni.setNotaDiploma("NOTA/LITERE");
        optiuni.setNotaCotor("NOTA/PROCENT");
        optiuni.setMedieDiploma("NOTA(PROCENT)");
        optiuni.setMedieCotor("NOTA");
        optiuni.setScriuCuLitereMari("1");
    }
    TPaginaCuNota p;
    Scrie(p, 963, tip);
    QCOMPARE(p.sus->Text(), textSus);
    QCOMPARE(p.jos->isHidden(), textJos.isEmpty());
    if (!textJos.isEmpty())
        QCOMPARE(p.jos->Text(), textJos);
}

void TestScrieNotaInFormular::oSinguraArie_data()
{
    QTest::addColumn<bool>("doarJos");
    QTest::newRow("doar aria de sus") << false;
    QTest::newRow("doar aria de jos") << true;
}

void TestScrieNotaInFormular::oSinguraArie()
{
    QFETCH(bool, doarJos);
    TMediuTest mediu(false);
    ScrieOptiuni("NOTA/LITERE", "1");
    TFormularDePrintat pagina;
    TFormularTextArea* arie = Arie(pagina, 70, TopSus, 5.8);

    // A page with one area for the mark writes the words as a percentage beside the digits,
    // and the area stays where it was designed.
    ScrieNotaInFormular(doarJos ? nullptr : &arie->Model(), doarJos ? &arie->Model() : nullptr, 963, TipNotaDiploma);
    arie->ActualizeazaDinModel();
    QCOMPARE(arie->Text(), QString("9,63 (NOUĂ, 63%)"));
    QVERIFY(!arie->isHidden());
    QCOMPARE(arie->TopMm(), TopSus);

    ScrieNotaInFormular(nullptr, nullptr, 963, TipNotaDiploma); // nothing to write into
}

void TestScrieNotaInFormular::pozitiaDupaDouaSchimbari()
{
    TMediuTest mediu(false);
    TPaginaCuNota p;

    ScrieOptiuni("NOTA", "1");
    Scrie(p, 963, TipNotaDiploma);
    QCOMPARE(p.sus->TopMm(), Mijloc);

    ScrieOptiuni("NOTA/LITERE", "1");
    Scrie(p, 963, TipNotaDiploma);
    QCOMPARE(p.sus->TopMm(), TopSus);
    QCOMPARE(p.sus->y(), PixeliLaZoom100(TopSus));
    QVERIFY(!p.jos->isHidden());
    QCOMPARE(p.jos->Text(), QString("(NOUĂ, ŞAIZECIŞITREI)"));

    ScrieOptiuni("NOTA(PROCENT)", "0");
    Scrie(p, 916, TipNotaDiploma);
    QCOMPARE(p.sus->TopMm(), Mijloc);
    QCOMPARE(p.sus->y(), PixeliLaZoom100(Mijloc));
    QVERIFY(p.jos->isHidden());
    QCOMPARE(p.sus->Text(), QString("9,16 (nouă, 16%)"));
    QCOMPARE(p.sus->TopInitial(), TopSus);
    QCOMPARE(p.jos->TopInitial(), TopJos);
}

QTEST_MAIN(TestScrieNotaInFormular)
#include "tst_scrienotainformular.moc"
