#include "certificat/fontformular.h"
#include "forms/formulardeprintat.h"
#include "certificat/particularizaretextarea.h"
#include "print/printpraventform.h"
#include "support/mediutest.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QtTest>

class TestPrintPraventForm : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fereastra();
    void fonturileInOrdine();
    void paginileSiAriile();
    void ariiPeCaractere();
    void zoomulPaginiiSelectate();
    void seDeschideMareSiArataPaginaIntreaga();

private:
    std::unique_ptr<TMediuTest> m_mediu;
};

void TestPrintPraventForm::init()
{
    m_mediu = std::make_unique<TMediuTest>(false);
    UitaListaParticularizari();
}

void TestPrintPraventForm::cleanup()
{
    UitaListaParticularizari();
    m_mediu.reset();
}

void TestPrintPraventForm::fereastra()
{
    TPrintPraventForm formular;
    QCOMPARE(formular.windowTitle(), QString("Vizualizare inaintea imprimarii"));
    QVERIFY(formular.windowState() & Qt::WindowMaximized);
    QCOMPARE(formular.objectName(), QString("PrintPraventForm"));
    QCOMPARE(formular.Taburi()->tabText(0), QString("Fata"));
    QCOMPARE(formular.Taburi()->tabText(1), QString("Spate"));
    QVERIFY(formular.ButonTipareste()->isEnabled());
    QCOMPARE(formular.ButonTipareste()->geometry(), QRect(3, 2, 96, 24));
    QCOMPARE(formular.ButonMareste()->text(), QString("Mareste"));
    QCOMPARE(formular.ButonMareste()->x(), 102);
    QCOMPARE(formular.ButonMicsoreaza()->text(), QString("Micsoreaza"));
    QCOMPARE(formular.ButonMicsoreaza()->x(), 201);
    QCOMPARE(formular.ButonMicsoreaza()->parentWidget()->height(), 28);
}

void TestPrintPraventForm::fonturileInOrdine()
{
    TPrintPraventForm formular;
    const auto fonturi = formular.findChildren<TFontFormular*>(QString(), Qt::FindDirectChildrenOnly);
    QStringList nume;
    for (const TFontFormular* font : fonturi)
        nume << font->objectName();
    QCOMPARE(nume, QStringList({"Stanga", "Stanga_2", "Dreapta", "verso_1", "DREAPTA_BOLD", "VERSO_1_BOLD",
                                "verso_pitic", "stanga_nume", "dreapta_nume", "Stanga_nume_mic", "Stanga_mic",
                                "LimbaMaterna", "NotaMareVerso", "FontFormular1", "FontFormular2", "FontFormular3",
                                "FontFormular4", "FontFormular5", "FontFormular6", "FontFormular7", "FontFormular8",
                                "FontFormular9", "FontFormular10"}));
    QCOMPARE(fonturi.at(4)->Size(), 4.7);
    QVERIFY(fonturi.at(4)->Bold());
    QVERIFY(!fonturi.at(5)->Bold()); // VERSO_1_BOLD is not bold
    QCOMPARE(fonturi.at(12)->DescrierePentruEditor(), QString("Font mare pentru note (Arial 7mm)"));
    QCOMPARE(fonturi.at(22)->DescrierePentruEditor(), QString("Arial 4"));
    for (const TFontFormular* font : fonturi) {
        QCOMPARE(font->FontName(), QString("Arial"));
        QCOMPARE(font->CharSet(), 238);
        QVERIFY(!font->Italic());
    }
}

void TestPrintPraventForm::paginileSiAriile()
{
    TPrintPraventForm formular;
    TFormularDePrintat& fata = *formular.Fata();
    TFormularDePrintat& spate = *formular.Spate();
    QCOMPARE(fata.size(), QSize(1176, 832));
    QCOMPARE(spate.size(), QSize(MmToPixels(PageDpi(100), 295.91), 832));
    QCOMPARE(fata.DeltaStanga(), 1.0);
    QCOMPARE(fata.DeltaSus(), 1.5);
    QCOMPARE(spate.DeltaStanga(), -1.0);
    QCOMPARE(fata.Arii().size(), 66);
    QCOMPARE(spate.Arii().size(), 38);
    QCOMPARE(fata.HighestAreaNumber(), 127);
    QCOMPARE(spate.HighestAreaNumber(), 123);

    const TFormularTextArea& nume = *fata.FindAreaByNumber(36);
    QCOMPARE(nume.Denumire1(), QString("PV.FATA.D_NUME"));
    QCOMPARE(nume.Font()->objectName(), QString("DREAPTA_BOLD"));
    QCOMPARE(nume.Alignment(), TFormularTextArea::Centru);
    QCOMPARE(nume.geometry(), QRect(MmToPixels(PageDpi(100), 148.3), MmToPixels(PageDpi(100), 84.9),
                                    MmToPixels(PageDpi(100), 120.2), MmToPixels(PageDpi(100), 6.2)));
    QCOMPARE(nume.SursaText(), QStringList({"Numele Elevului.",
                                            "Programul preia datele din editorul de elev campul Numele Elevului "
                                            "(o singura linie)."}));

    const TFormularTextArea& nota = *spate.FindAreaByNumber(71);
    QCOMPARE(nota.Denumire3(), QString("NOTA_DIPLOMA"));
    QCOMPARE(nota.Font()->objectName(), QString("VERSO_1_BOLD"));
    QVERIFY(fata.FindAreaByNumber(29)->Denumire1().isEmpty());
    QCOMPARE(spate.FindAreaByNumber(65)->Alignment(), TFormularTextArea::Stanga);

    for (const TFormularDePrintat* pagina : {&fata, &spate})
        for (const TFormularTextArea* area : pagina->Arii()) {
            QCOMPARE(area->ZoomLock(), 200.0);
            QVERIFY2(area->Font(), qPrintable(area->objectName()));
        }
}

void TestPrintPraventForm::ariiPeCaractere()
{
    TPrintPraventForm formular;
    const TFormularDePrintat& fata = *formular.Fata();
    const QList<int> siruesCotor{26, 27, 30, 33, 50, 52, 53, 54, 60};
    for (int k = 0; k < siruesCotor.size(); ++k) {
        const TFormularTextArea& cifra = *fata.FindAreaByNumber(siruesCotor.at(k));
        QCOMPARE(cifra.Denumire1(), QString("PV.FATA.C_COD_SIRUES"));
        QCOMPARE(cifra.Denumire2(), QString::number(k + 1));
    }
    QCOMPARE(fata.FindAreaByNumber(82)->LeftMm(), 200.6);
    QCOMPARE(fata.FindAreaByNumber(23)->Font()->objectName(), QString("Stanga"));
    QCOMPARE(fata.FindAreaByNumber(22)->Font()->objectName(), QString("Stanga_mic"));
    QCOMPARE(fata.FindAreaByNumber(49)->Denumire2(), QString("13"));
}

void TestPrintPraventForm::zoomulPaginiiSelectate()
{
    TPrintPraventForm formular;
    formular.Mareste();
    formular.Mareste();
    QVERIFY(qFuzzyCompare(formular.Fata()->Zoom(), 121.0));
    QCOMPARE(formular.Spate()->Zoom(), 100.0);
    const TFormularTextArea& area = *formular.Fata()->FindAreaByNumber(1);
    const double dpi = PageDpi(formular.Fata()->Zoom());
    QCOMPARE(area.geometry(), QRect(MmToPixels(dpi, 42.2), MmToPixels(dpi, 76.6), MmToPixels(dpi, 47.2),
                                    MmToPixels(dpi, 5.2)));
    QCOMPARE(formular.Fata()->width(), MmToPixels(dpi, 295.973));

    formular.Taburi()->setCurrentIndex(1);
    formular.ButonMicsoreaza()->click();
    QVERIFY(qFuzzyCompare(formular.Spate()->Zoom(), 100.0 / 1.1));
    QVERIFY(qFuzzyCompare(formular.Fata()->Zoom(), 121.0));
}

// The preview never opens small in a corner: it takes the screen, "Pagina intreaga" fits
// the selected page to the window, and "Inchide" or Escape close it.
void TestPrintPraventForm::seDeschideMareSiArataPaginaIntreaga()
{
    TPrintPraventForm formular;
    const QRect zona = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(zona.contains(formular.geometry()), "outside the screen");
    QVERIFY(formular.width() >= qMin(zona.width(), MmToPixels(PageDpi(100), 295.973)));
    QCOMPARE(formular.ButonPaginaIntreaga()->text(), QString("Pagina intreaga"));
    QCOMPARE(formular.ButonInchide()->text(), QString("Inchide"));

    formular.resize(700, 520);
    formular.show();
    QVERIFY(QTest::qWaitForWindowExposed(&formular));
    formular.Taburi()->setCurrentIndex(1);
    formular.ButonPaginaIntreaga()->click();
    const QSize loc = static_cast<QScrollArea*>(formular.Taburi()->currentWidget())->maximumViewportSize();
    const QSize pagina = formular.Spate()->size();
    QVERIFY2(pagina.width() <= loc.width() && pagina.height() <= loc.height(),
             qPrintable(QString("%1x%2 in %3x%4").arg(pagina.width()).arg(pagina.height()).arg(loc.width()).arg(loc.height())));
    QVERIFY(pagina.width() >= loc.width() - 4 || pagina.height() >= loc.height() - 4);
    QCOMPARE(formular.Fata()->Zoom(), 100.0);

    QTest::keyClick(&formular, Qt::Key_Escape);
    QVERIFY(!formular.isVisible());
    formular.show();
    formular.ButonInchide()->click();
    QVERIFY(!formular.isVisible());
}

QTEST_MAIN(TestPrintPraventForm)
#include "tst_printpraventform.moc"
