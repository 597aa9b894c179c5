#include "base/eroare.h"
#include "support/mediutest.h"
#include "support/prompttest.h"
#include "widgets/brvvgrideditorform.h"
#include "widgets/brvvirtualgrid.h"
#include "widgets/brvvirtualgridheader.h"
#include "valoaredetip.h"

#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>
#include <memory>


class TestVirtualGrid : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void demonstratie();
    void stilulCazutSeDeseneaza();
    void grupulCentratPesteTreiColoane();
    void evidentiereaSeStingeInJumatateDeSecunda();
    void evidentiereaPeLinieIntreaga();
    void enterConfirmaEscapeRenunta();
    void tastaTastataInlocuiesteValoarea();
    void editareaRefuzata();
    void eroareaDinDesenareApareOData();
    void tastaturaSiDerularea();
    void coloaneleFixeNuDeruleaza();

private:
    void ConstruiesteDemonstratia(int linii);
    QImage Deseneaza();

    std::unique_ptr<TMediuTest> m_mediu;
    std::unique_ptr<TPromptTest> m_prompt;
    std::unique_ptr<TBrvVirtualGrid> m_grila;
    int m_coloanaEvidentiata = 2;
};

void TestVirtualGrid::initTestCase()
{
    // The size ratio is read once per run, from this data folder.
    m_mediu = std::make_unique<TMediuTest>(false);
}

void TestVirtualGrid::init()
{
    m_prompt = std::make_unique<TPromptTest>();
    m_grila = std::make_unique<TBrvVirtualGrid>();
    m_grila->resize(640, 300);
}

void TestVirtualGrid::cleanup()
{
    m_grila.reset();
    m_prompt.reset();
}

// A number column (fixed), then three columns under one group heading: a value of the
// row's own type tag, its tag as text, and a remark; styles 1 and 3 active, line 3 in style 5.
void TestVirtualGrid::ConstruiesteDemonstratia(int linii)
{
    TBrvVirtualGrid& g = *m_grila;
    g.BeginUpdate();
    TBrvVirtualGridColumn& nr = g.Coloane().Add();
    nr.SetNumeColoana(QStringLiteral("Nr."));
    nr.SetTipDeDate(atInteger);
    nr.SetWidth(40);
    const QStringList titluri = {QStringLiteral("Valoare de fiecare tip"), QStringLiteral("Tip"),
                                 QStringLiteral("Observatii despre elev")};
    for (const QString& titlu : titluri) {
        TBrvVirtualGridColumn& c = g.Coloane().Add();
        c.SetNumeColoana(titlu);
        c.SetUmbrela1(QStringLiteral("grup1|Rezultate examen"));
        if (titlu != titluri[0])
            c.SetUmbrela2(QStringLiteral("Descriere"));
        c.SetTipDeDate(titlu == titluri[0] ? atAuto : atString);
        TBrvCuloriColoana stil3;
        stil3.Activ = true;
        stil3.CuloareBackgroundNormal = QColor(255, 236, 200);
        stil3.FontNormal.Font.setBold(true);
        stil3.FontNormal.Culoare = QColor(150, 40, 0);
        stil3.Aliniere = TBrvAliniere::Dreapta;
        c.SetStil(3, stil3);
    }
    for (int i = 0; i < linii; ++i) {
        TBrvVirtualGridLine* linie = g.Linii().Adauga();
        if (i == 3)
            linie->SetStil(5);
    }
    g.OnGetCellValue = [this](TBrvVirtualGridLine* obj, int coloana, TBrvValoareDate& v) {
        const int rand = [&] {
            for (int r = 0; r < m_grila->Linii().Count(); ++r)
                if (m_grila->Linii().Linie(r) == obj)
                    return r;
            return -1;
        }();
        switch (coloana) {
        case 0: v.SetIntreg(rand + 1); break;
        case 1: v = ValoareDeTip(rand % 7); break;
        case 2: v.SetText(QStringLiteral("tip %1").arg(rand % 7)); break;
        default: v.SetText(rand == 3 ? QStringLiteral("stil 5, desenat cu 3") : QStringLiteral("stil 1"));
        }
    };
    // The chosen column in the highlight colours, as the import shows it.
    g.OnFormatCell = [this](TBrvVirtualGridLine*, int coloana, QColor& fundal, TBrvFontColorat& font) {
        if (coloana == m_coloanaEvidentiata) {
            fundal = m_grila->palette().color(QPalette::Highlight);
            font.Culoare = m_grila->palette().color(QPalette::HighlightedText);
        }
    };
    g.EndUpdate();
}

QImage TestVirtualGrid::Deseneaza()
{
    return m_grila->grab().toImage();
}

void TestVirtualGrid::demonstratie()
{
    ConstruiesteDemonstratia(9);
    m_grila->SetNrColoaneFixe(1);
    m_grila->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grila.get()));
    // A cell the mouse has just left, two ticks into its fading.
    m_grila->MouseLaCelula(3, 5);
    m_grila->MouseLaCelula(-1, -1);
    m_grila->Tic();
    m_grila->Tic();
    QCOMPARE(m_grila->IntensitateCelula(3, 5), 6);
    const QImage imagine = Deseneaza();
    const QString cale = QDir::temp().filePath(QStringLiteral("pravent-grila-demonstratie.png"));
    QVERIFY(imagine.save(cale));
    qInfo("demonstration grid: %s", qPrintable(cale));
    for (int rand = 0; rand < 7; ++rand)
        QVERIFY(!m_grila->TextCelula(1, rand).isEmpty());
    // The same grid with the editor open over a cell, started by a typed key.
    m_grila->setCurrentIndex(m_grila->model()->index(1, 3));
    QVERIFY(m_grila->Editeaza(3, 1, QStringLiteral("B")));
    QVERIFY(m_grila->grab().save(QDir::temp().filePath(QStringLiteral("pravent-grila-editor.png"))));
    QVERIFY(m_prompt->Mesaje().isEmpty());
}

// A grid of one column of text, without fixed columns, one line per style number given.
struct TGrilaSimpla {
    explicit TGrilaSimpla(TBrvVirtualGrid& g, const QList<int>& stiluri, int coloane = 1) : grila(g)
    {
        g.BeginUpdate();
        g.SetNrColoaneFixe(0);
        for (int c = 0; c < coloane; ++c)
            g.Coloane().Add().SetNumeColoana(QStringLiteral("C%1").arg(c));
        for (int stil : stiluri)
            g.Linii().Adauga()->SetStil(stil);
        g.EndUpdate();
        g.OnGetCellValue = [](TBrvVirtualGridLine*, int, TBrvValoareDate& v) { v.SetText(QString()); };
    }
    TBrvVirtualGrid& grila;
};

QColor Pixel(const QImage& imagine, const QPoint& punct)
{
    return imagine.pixelColor(punct);
}

void TestVirtualGrid::stilulCazutSeDeseneaza()
{
    TGrilaSimpla s(*m_grila, {5, 2, 1, 4});
    TBrvVirtualGridColumn& c = m_grila->Coloane()[0];
    TBrvCuloriColoana stil3;
    stil3.Activ = true;
    stil3.CuloareBackgroundNormal = QColor(200, 100, 50);
    c.SetStil(3, stil3);
    TBrvCuloriColoana stil5;
    stil5.CuloareBackgroundNormal = QColor(10, 200, 10); // not active: never used
    c.SetStil(5, stil5);
    m_grila->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grila.get()));
    m_grila->clearSelection();
    m_grila->setCurrentIndex(QModelIndex());
    const QImage desen = m_grila->viewport()->grab().toImage();
    auto fundal = [&](int rand) {
        const QRect r = m_grila->visualRect(m_grila->model()->index(rand, 0));
        return Pixel(desen, QPoint(r.right() - 4, r.center().y()));
    };
    const QColor alb = c.Stil1().CuloareBackgroundNormal;
    QCOMPARE(fundal(0), QColor(200, 100, 50));
    QCOMPARE(fundal(1), alb);
    QCOMPARE(fundal(2), alb);
    QCOMPARE(fundal(3), QColor(200, 100, 50));
    QCOMPARE(m_grila->AspectCelula(0, 0, false).Fundal, QColor(200, 100, 50));
    // Selected: the style's selected colours.
    QCOMPARE(m_grila->AspectCelula(0, 0, true).Fundal, stil3.CuloareBackgroundSelectat);
    // The line's own colours win over the style's, for unselected cells only.
    m_grila->Linii().Linie(1)->CuloareFundal = QColor(1, 2, 3);
    m_grila->Linii().Linie(1)->CuloareText = QColor(4, 5, 6);
    m_grila->Linii().Linie(1)->Atribute = TBrvVirtualGridLine::BoldDa | TBrvVirtualGridLine::ItalicDa
        | TBrvVirtualGridLine::ItalicNu | TBrvVirtualGridLine::Marime6 | TBrvVirtualGridLine::Marime10;
    const TAspectCelula aspect = m_grila->AspectCelula(0, 1, false);
    QCOMPARE(aspect.Fundal, QColor(1, 2, 3));
    QCOMPARE(aspect.Font.Culoare, QColor(4, 5, 6));
    QVERIFY(aspect.Font.Font.bold());
    QVERIFY(!aspect.Font.Font.italic());
    QCOMPARE(aspect.Font.Font.pointSize(), 10);
    QCOMPARE(m_grila->AspectCelula(0, 1, true).Fundal, c.Stil1().CuloareBackgroundSelectat);
    // The owner's format event comes last, before the hover shade.
    m_grila->OnFormatCell = [](TBrvVirtualGridLine*, int, QColor& fundal, TBrvFontColorat& font) {
        fundal = QColor(9, 9, 9);
        font.Font.setUnderline(true);
    };
    QCOMPARE(m_grila->AspectCelula(0, 1, false).Fundal, QColor(9, 9, 9));
    QVERIFY(m_grila->AspectCelula(0, 1, false).Font.Font.underline());
    QCOMPARE(m_grila->AspectCelula(0, 1, true).Fundal, c.Stil1().CuloareBackgroundSelectat);
}

void TestVirtualGrid::grupulCentratPesteTreiColoane()
{
    TGrilaSimpla s(*m_grila, {1, 1}, 5);
    m_grila->BeginUpdate();
    for (int c = 1; c <= 3; ++c) {
        m_grila->Coloane()[c].SetUmbrela1(QStringLiteral("Grup"));
        m_grila->Coloane()[c].SetWidth(c == 1 ? 60 : 100);
    }
    m_grila->Coloane()[4].SetUmbrela1(QStringLiteral("Grup")); // same text, but not adjacent ...
    m_grila->Coloane()[4].SetUmbrela1(QStringLiteral("Alt|Grup")); // ... and another group shown alike
    m_grila->EndUpdate();
    m_grila->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grila.get()));
    TBrvVirtualGridHeader& h = *m_grila->Header();
    const QRect grup = h.DreptunghiGrup(2, 1);
    const int stanga = h.sectionViewportPosition(1);
    const int dreapta = h.sectionViewportPosition(3) + h.sectionSize(3);
    QCOMPARE(grup.left(), stanga);
    QCOMPARE(grup.width(), dreapta - stanga);
    QCOMPARE(h.DreptunghiGrup(1, 1), grup);
    QCOMPARE(h.DreptunghiGrup(3, 1), grup);
    QVERIFY(h.DreptunghiGrup(0, 1).isNull());
    QCOMPARE(h.DreptunghiGrup(4, 1).left(), h.sectionViewportPosition(4));
    QVERIFY(h.DreptunghiGrup(2, 2).isNull());

    // The painted text: navy pixels of the band, centred over the three columns.
    const QImage desen = h.grab().toImage();
    const QColor bleumarin = m_grila->Coloane()[2].FontUmbrela1().Culoare;
    int minim = desen.width();
    int maxim = -1;
    for (int y = grup.top(); y <= grup.bottom(); ++y)
        for (int x = stanga; x < dreapta; ++x) {
            const QColor p = desen.pixelColor(x, y);
            if (p.blue() > p.red() + 60 && p.blue() > p.green() + 60 && bleumarin == QColor(Qt::darkBlue)) {
                minim = std::min(minim, x);
                maxim = std::max(maxim, x);
            }
        }
    QVERIFY2(maxim > minim, "no group text painted");
    QVERIFY(qAbs((minim + maxim) / 2 - (stanga + dreapta) / 2) <= 2);
    // The text lies over the middle column only: it is one text, not one per column.
    QVERIFY(minim > h.sectionViewportPosition(2) - 30);
    QVERIFY(maxim < h.sectionViewportPosition(3) + 30);
}

void TestVirtualGrid::evidentiereaSeStingeInJumatateDeSecunda()
{
    TGrilaSimpla s(*m_grila, {1, 1, 1}, 2);
    m_grila->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grila.get()));
    const QModelIndex index = m_grila->model()->index(1, 1);
    QTest::mouseMove(m_grila->viewport(), m_grila->visualRect(index).center());
    QCOMPARE(m_grila->IntensitateCelula(1, 1), 10);
    QVERIFY(m_grila->TicPornit());
    // Under the mouse it stays at full strength.
    m_grila->Tic();
    QCOMPARE(m_grila->IntensitateCelula(1, 1), 10);
    const QColor fundal = m_grila->Coloane()[1].Stil1().CuloareBackgroundNormal;
    QCOMPARE(m_grila->AspectCelula(1, 1, false).Fundal, CuloareEvidentiata(fundal, 10));
    // The mouse leaves the grid.
    QEvent iesire(QEvent::Leave);
    QCoreApplication::sendEvent(m_grila->viewport(), &iesire);
    m_grila->Tic();
    QCOMPARE(m_grila->IntensitateCelula(1, 1), 8);
    m_grila->Tic();
    m_grila->Tic();
    QCOMPARE(m_grila->IntensitateCelula(1, 1), 4);
    QCOMPARE(m_grila->AspectCelula(1, 1, false).Fundal, CuloareEvidentiata(fundal, 4));
    // A selected cell shows its selection, not the shade.
    QCOMPARE(m_grila->AspectCelula(1, 1, true).Fundal, m_grila->Coloane()[1].Stil1().CuloareBackgroundSelectat);
    m_grila->Tic();
    m_grila->Tic();
    m_grila->Tic();
    QCOMPARE(m_grila->IntensitateCelula(1, 1), 0);
    QVERIFY(m_grila->CeluleEvidentiate().Goala());
    QVERIFY(!m_grila->TicPornit());
    QCOMPARE(m_grila->AspectCelula(1, 1, false).Fundal, fundal);

    // The real timer: gone half a second after the mouse leaves.
    QTest::mouseMove(m_grila->viewport(), m_grila->visualRect(index).center() + QPoint(3, 1));
    QCoreApplication::sendEvent(m_grila->viewport(), &iesire);
    QVERIFY(m_grila->IntensitateCelula(1, 1) > 0);
    QTRY_VERIFY_WITH_TIMEOUT(m_grila->CeluleEvidentiate().Goala(), 2000);

    // The blend: entry i - 1, from the background towards red and green lowered by 20.
    const QColor alb(255, 255, 255);
    QCOMPARE(CuloareEvidentiata(alb, 1), alb);
    QCOMPARE(CuloareEvidentiata(alb, 0), alb);
    const QColor cel_mai_inchis = CuloareEvidentiata(alb, 10);
    QVERIFY(qAbs(cel_mai_inchis.red() - 237) <= 2 && qAbs(cel_mai_inchis.green() - 237) <= 2);
    QVERIFY(cel_mai_inchis.blue() >= 254);
    QVERIFY(CuloareEvidentiata(alb, 2).red() > CuloareEvidentiata(alb, 6).red());
    QVERIFY(CuloareEvidentiata(alb, 6).red() > cel_mai_inchis.red());
    const QColor negru(0, 0, 0);
    QCOMPARE(CuloareEvidentiata(negru, 10), negru);
}

void TestVirtualGrid::evidentiereaPeLinieIntreaga()
{
    TGrilaSimpla s(*m_grila, {1, 1, 1}, 4);
    m_grila->SetNrColoaneFixe(1);
    m_grila->SetOptiuni(goSelectezLinia);
    m_grila->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grila.get()));
    // Over the fixed column of row 2: every non-fixed cell of that row.
    QTableView* fixa = m_grila->VedereFixa();
    QVERIFY(fixa->isVisible());
    QTest::mouseMove(fixa->viewport(), fixa->visualRect(fixa->model()->index(2, 0)).center());
    QCOMPARE(m_grila->IntensitateCelula(0, 2), 0);
    for (int c = 1; c < 4; ++c)
        QCOMPARE(m_grila->IntensitateCelula(c, 2), 10);
    QCOMPARE(m_grila->IntensitateCelula(1, 1), 0);
    // The current row is drawn in the highlight colour in every cell.
    m_grila->setCurrentIndex(m_grila->model()->index(0, 2));
    for (int c = 0; c < 4; ++c)
        QCOMPARE(m_grila->AspectCelula(c, 0, false).Fundal, m_grila->palette().color(QPalette::Highlight));
    QVERIFY(m_grila->AspectCelula(1, 1, false).Fundal != m_grila->palette().color(QPalette::Highlight));
    // Moving to another line repaints both lines whole, the fixed cells too.
    const QColor evidentiere = m_grila->palette().color(QPalette::Highlight);
    auto fundalFix = [&](int rand) {
        const QRect r = fixa->visualRect(fixa->model()->index(rand, 0));
        return fixa->viewport()->grab().toImage().pixelColor(r.left() + 3, r.top() + 3);
    };
    QCOMPARE(fundalFix(0), evidentiere);
    m_grila->setCurrentIndex(m_grila->model()->index(1, 2));
    QCOMPARE(fundalFix(1), evidentiere);
    QVERIFY(fundalFix(0) != evidentiere);
    // Without the option, a fixed cell is never highlighted.
    m_grila->SetOptiuni(0);
    m_grila->MouseLaCelula(0, 1);
    QCOMPARE(m_grila->IntensitateCelula(0, 1), 0);
}
// An editable grid: a fixed number column, then hundredths, text, an amount and a date.
struct TGrilaEditabila {
    struct Primit {
        int Coloana;
        TBrvValoareDate Valoare;
    };

    explicit TGrilaEditabila(TBrvVirtualGrid& g) : grila(g)
    {
        const TBrvTipDeDateColoana tipuri[] = {atInteger, atIntegerDouaZecimale, atString, atCurrency,
                                               atDataScurtCuAn};
        g.BeginUpdate();
        for (TBrvTipDeDateColoana tip : tipuri)
            g.Coloane().Add().SetTipDeDate(tip);
        g.Coloane()[2].SetNumeColoana(QStringLiteral("Nume"));
        for (int i = 0; i < 3; ++i)
            g.Linii().Adauga();
        g.EndUpdate();
        g.OnGetCellValue = [](TBrvVirtualGridLine*, int coloana, TBrvValoareDate& v) {
            switch (coloana) {
            case 0: v.SetIntreg(1); break;
            case 1: v.SetSutimi(963); break;
            case 2: v.SetText(QStringLiteral("Popescu")); break;
            case 3: v.SetSuma(15000); break;
            default: v.SetDataCuAn(QDate(2006, 6, 7));
            }
        };
        g.OnSetCellValue = [this](TBrvVirtualGridLine*, int coloana, const TBrvValoareDate& v) {
            primite.append({coloana, v});
        };
    }

    TBrvVGridEditorForm* Editor() const { return grila.findChild<TBrvVGridEditorForm*>(); }
    QLineEdit* Text() const { return qobject_cast<QLineEdit*>(Editor()->Control()); }
    void Selecteaza(int coloana, int rand) { grila.setCurrentIndex(grila.model()->index(rand, coloana)); }

    TBrvVirtualGrid& grila;
    QList<Primit> primite;
};

void TestVirtualGrid::enterConfirmaEscapeRenunta()
{
    TGrilaEditabila e(*m_grila);
    m_grila->show();
    m_grila->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_grila.get()));
    e.Selecteaza(1, 1);
    QTest::keyClick(m_grila.get(), Qt::Key_Return);
    QVERIFY(e.Editor());
    const QRect celula = m_grila->visualRect(m_grila->model()->index(1, 1));
    QVERIFY(e.Editor()->width() >= celula.width());
    QCOMPARE(e.Editor()->height(), celula.height());
    QCOMPARE(e.Editor()->pos(), celula.topLeft());
    QCOMPARE(e.Text()->text(), QStringLiteral("9,63"));
    QTest::keyClicks(e.Text(), QStringLiteral("12,34"));
    QTest::keyClick(e.Text(), Qt::Key_Return);
    QCOMPARE(e.primite.size(), 1);
    // Two decimals come back as hundredths with the integer tag.
    QCOMPARE(e.primite[0].Coloana, 1);
    QCOMPARE(e.primite[0].Valoare.TipValoare(), TBrvValoareDate::TipIntreg);
    QCOMPARE(e.primite[0].Valoare.Intreg(), 1234);
    QTRY_VERIFY(!e.Editor());
    QVERIFY(m_grila->hasFocus());

    // Escape: nothing reaches the owner.
    QTest::keyClick(m_grila.get(), Qt::Key_Return);
    QVERIFY(e.Editor());
    QTest::keyClicks(e.Text(), QStringLiteral("5"));
    QTest::keyClick(e.Text(), Qt::Key_Escape);
    QTRY_VERIFY(!e.Editor());
    QCOMPARE(e.primite.size(), 1);
    QVERIFY(m_grila->hasFocus());

    // Leaving the editor by moving elsewhere is no confirmation either.
    QTest::keyClick(m_grila.get(), Qt::Key_Return);
    QTest::keyClicks(e.Text(), QStringLiteral("7"));
    e.Selecteaza(2, 2);
    QTRY_VERIFY(!e.Editor());
    QCOMPARE(e.primite.size(), 1);

    // An amount with four decimals, by the first button.
    e.Selecteaza(3, 0);
    QTest::keyClick(m_grila.get(), Qt::Key_Enter);
    QCOMPARE(e.Text()->text(), QStringLiteral("1,50"));
    e.Text()->setText(QStringLiteral("-1234,5678"));
    e.Editor()->IncearcaConfirmarea();
    QCOMPARE(e.primite.size(), 2);
    QCOMPARE(e.primite[1].Valoare.TipValoare(), TBrvValoareDate::TipSuma);
    QCOMPARE(e.primite[1].Valoare.Suma(), Q_INT64_C(-12345678));
    QTRY_VERIFY(!e.Editor());

    // A date, by the date picker.
    e.Selecteaza(4, 0);
    QTest::keyClick(m_grila.get(), Qt::Key_Return);
    auto* data = qobject_cast<QDateEdit*>(e.Editor()->Control());
    QVERIFY(data);
    QCOMPARE(data->date(), QDate(2006, 6, 7));
    data->setDate(QDate(2007, 1, 2));
    QTest::keyClick(data, Qt::Key_Return);
    QCOMPARE(e.primite.size(), 3);
    QCOMPARE(e.primite[2].Valoare.DataCuAn(), QDate(2007, 1, 2));
    QTRY_VERIFY(!e.Editor());
}

void TestVirtualGrid::tastaTastataInlocuiesteValoarea()
{
    TGrilaEditabila e(*m_grila);
    m_grila->show();
    m_grila->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_grila.get()));
    e.Selecteaza(1, 0);
    QTest::keyClick(m_grila.get(), Qt::Key_7);
    QCOMPARE(e.Text()->text(), QStringLiteral("7"));
    // What the edit does not take as a number is refused as typed.
    QTest::keyClicks(e.Text(), QStringLiteral("5x,5-,"));
    QCOMPARE(e.Text()->text(), QStringLiteral("75,5"));
    QTest::keyClick(e.Text(), Qt::Key_Return);
    QCOMPARE(e.primite.last().Valoare.Intreg(), 7550);
    QTRY_VERIFY(!e.Editor());
    // A keypad digit is a digit.
    QTest::keyClick(m_grila.get(), Qt::Key_3, Qt::KeypadModifier);
    QCOMPARE(e.Text()->text(), QStringLiteral("3"));
    QTest::keyClick(e.Text(), Qt::Key_Escape);
    QTRY_VERIFY(!e.Editor());

    e.Selecteaza(2, 0);
    QTest::keyClick(m_grila.get(), Qt::Key_X);
    QCOMPARE(e.Text()->text(), QStringLiteral("x"));
    QCOMPARE(e.Text()->cursorPosition(), 1);
    QTest::keyClicks(e.Text(), QStringLiteral("ulescu"));
    QTest::keyClick(e.Text(), Qt::Key_Return);
    QCOMPARE(e.primite.last().Valoare.Text(), QStringLiteral("xulescu"));
    QTRY_VERIFY(!e.Editor());

    // An empty number cannot be confirmed; the editor stays for a correction.
    e.Selecteaza(1, 2);
    QTest::keyClick(m_grila.get(), Qt::Key_Return);
    e.Text()->clear();
    QTest::keyClick(e.Text(), Qt::Key_Return);
    QVERIFY(e.Editor());
    QCOMPARE(e.primite.size(), 2);
    QTest::keyClick(e.Text(), Qt::Key_Escape);
    QTRY_VERIFY(!e.Editor());
}

void TestVirtualGrid::editareaRefuzata()
{
    TGrilaEditabila e(*m_grila);
    m_grila->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grila.get()));
    // The fixed column is never edited.
    QVERIFY(!m_grila->Editeaza(0, 0));
    QList<int> intrebate;
    m_grila->OnPotEdita = [&](TBrvVirtualGridLine*, int coloana, bool& poate) {
        QVERIFY(poate);
        intrebate.append(coloana);
        poate = false;
    };
    e.Selecteaza(2, 0);
    QTest::keyClick(m_grila.get(), Qt::Key_Return);
    QTest::keyClick(m_grila.get(), Qt::Key_A);
    QVERIFY(!e.Editor());
    QCOMPARE(intrebate, QList<int>({2, 2}));
    m_grila->OnPotEdita = nullptr;
    // A column that takes editing over: the flag starts false and the standard editor
    // opens only when the event sets it.
    bool deschide = false;
    m_grila->Coloane()[2].OnApeleazaEditor = [&](TBrvVirtualGridLine*, bool& standard) {
        QVERIFY(!standard);
        standard = deschide;
    };
    QVERIFY(!m_grila->Editeaza(2, 0));
    deschide = true;
    QVERIFY(m_grila->Editeaza(2, 0));
    QVERIFY(e.Editor());
    QTest::keyClick(e.Text(), Qt::Key_Escape);
    QTRY_VERIFY(!e.Editor());
    // No value, or no real one: nothing to edit.
    m_grila->OnGetCellValue = [](TBrvVirtualGridLine*, int, TBrvValoareDate& v) { v.MarcheazaFaraDate(); };
    QVERIFY(!m_grila->Editeaza(2, 0));
    m_grila->OnGetCellValue = nullptr;
    QVERIFY(!m_grila->Editeaza(2, 0));
    QVERIFY(m_prompt->Mesaje().isEmpty());
}

void TestVirtualGrid::eroareaDinDesenareApareOData()
{
    TGrilaSimpla s(*m_grila, {1, 1, 1, 1}, 3);
    m_grila->Coloane()[1].SetNumeColoana(QStringLiteral("Nume"));
    // A handler that never sets a value, for every cell of every repaint.
    m_grila->OnGetCellValue = [](TBrvVirtualGridLine*, int, TBrvValoareDate&) {};
    m_grila->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grila.get()));
    for (int i = 0; i < 3; ++i) {
        m_grila->grab();
        QCoreApplication::processEvents();
    }
    QTRY_VERIFY(!m_prompt->Mesaje().isEmpty());
    QTest::qWait(50);
    QCOMPARE(m_prompt->Texte(TPromptTest::Fel::Eroare),
             QStringList({QStringLiteral("Nepotrivire de date cand citesc coloana C0"),
                          QStringLiteral("Nepotrivire de date cand citesc coloana Nume"),
                          QStringLiteral("Nepotrivire de date cand citesc coloana C2")}));
    // The cells stay empty, the grid keeps working.
    QVERIFY(m_grila->model()->data(m_grila->model()->index(0, 1), Qt::DisplayRole).isNull());

    // A failing format event: reported once, not thrown through the paint.
    m_prompt->Goleste();
    m_grila->OnGetCellValue = [](TBrvVirtualGridLine*, int, TBrvValoareDate& v) { v.SetText(QStringLiteral("x")); };
    m_grila->OnFormatCell = [](TBrvVirtualGridLine*, int, QColor&, TBrvFontColorat&) {
        throw EEroare(QStringLiteral("Culoare necunoscuta"));
    };
    m_grila->grab();
    m_grila->grab();
    QTRY_VERIFY(!m_prompt->Mesaje().isEmpty());
    QTest::qWait(50);
    QCOMPARE(m_prompt->Texte(TPromptTest::Fel::Eroare), QStringList({QStringLiteral("Culoare necunoscuta")}));
}

void TestVirtualGrid::tastaturaSiDerularea()
{
    TGrilaSimpla s(*m_grila, QList<int>(100, 1), 12);
    m_grila->SetNrColoaneFixe(1);
    m_grila->show();
    m_grila->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_grila.get()));
    m_grila->setCurrentIndex(m_grila->model()->index(0, 1));
    QTest::keyClick(m_grila.get(), Qt::Key_Down);
    QCOMPARE(m_grila->currentIndex().row(), 1);
    QTest::keyClick(m_grila.get(), Qt::Key_Right);
    QCOMPARE(m_grila->currentIndex().column(), 2);
    QTest::keyClick(m_grila.get(), Qt::Key_PageDown);
    QVERIFY(m_grila->currentIndex().row() > 5);
    QTest::keyClick(m_grila.get(), Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(m_grila->currentIndex().row(), 99);
    QVERIFY(m_grila->verticalScrollBar()->value() > 0);
    // The heading row stays in view, and the fixed column follows the rows.
    QCOMPARE(m_grila->horizontalHeader()->geometry().top(), m_grila->frameWidth());
    QVERIFY(m_grila->horizontalHeader()->isVisible());
    QCOMPARE(m_grila->VedereFixa()->verticalScrollBar()->value(), m_grila->verticalScrollBar()->value());
    QTest::keyClick(m_grila.get(), Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(m_grila->currentIndex().row(), 0);
    // Home goes to the first column that can be selected, never into the fixed one.
    QTest::keyClick(m_grila.get(), Qt::Key_Left);
    QTest::keyClick(m_grila.get(), Qt::Key_Left);
    QCOMPARE(m_grila->currentIndex().column(), 1);
    QCOMPARE(m_grila->verticalScrollBar()->value(), 0);
    // The wheel.
    const QPoint centru = m_grila->viewport()->rect().center();
    QWheelEvent roata(centru, m_grila->viewport()->mapToGlobal(centru), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(m_grila->viewport(), &roata);
    QVERIFY(m_grila->verticalScrollBar()->value() > 0);
    QCOMPARE(m_grila->VedereFixa()->verticalScrollBar()->value(), m_grila->verticalScrollBar()->value());
    // A click selects a cell and reaches the owner.
    QList<int> apasate;
    m_grila->OnCelulaApasata = [&](TBrvVirtualGridLine* obj, int coloana) {
        QCOMPARE(obj, m_grila->Linii().Linie(m_grila->currentIndex().row()));
        apasate.append(coloana);
    };
    const QModelIndex tinta = m_grila->indexAt(centru);
    QTest::mouseClick(m_grila->viewport(), Qt::LeftButton, Qt::NoModifier, centru);
    QCOMPARE(m_grila->currentIndex(), tinta);
    QCOMPARE(apasate, QList<int>({tinta.column()}));
}

void TestVirtualGrid::coloaneleFixeNuDeruleaza()
{
    TGrilaSimpla s(*m_grila, {1, 1, 1}, 12);
    m_grila->SetNrColoaneFixe(2);
    m_grila->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grila.get()));
    QTableView* fixa = m_grila->VedereFixa();
    QVERIFY(fixa->isVisible());
    QCOMPARE(fixa->width(), 2 * m_grila->Coloane()[0].Width());
    QVERIFY(m_grila->isColumnHidden(0) && m_grila->isColumnHidden(1) && !m_grila->isColumnHidden(2));
    QVERIFY(!fixa->isColumnHidden(1) && fixa->isColumnHidden(2));
    const QRect inainte = fixa->geometry();
    const int primaScrolabila = m_grila->columnViewportPosition(2);
    QCOMPARE(primaScrolabila, 0);
    m_grila->horizontalScrollBar()->setValue(m_grila->horizontalScrollBar()->maximum());
    QVERIFY(m_grila->columnViewportPosition(2) < 0);
    QCOMPARE(fixa->geometry(), inainte);
    QCOMPARE(fixa->columnViewportPosition(0), 0);
    QCOMPARE(fixa->columnViewportPosition(1), m_grila->Coloane()[0].Width());
    // The fixed columns are painted over the grid's left edge, after the scroll too.
    const QImage desen = m_grila->grab().toImage();
    const QRect ultimaFixa = fixa->visualRect(fixa->model()->index(0, 1));
    const QPoint umbra = fixa->viewport()->mapTo(m_grila.get(), QPoint(ultimaFixa.right(), ultimaFixa.center().y()));
    QCOMPARE(desen.pixelColor(umbra), m_grila->palette().color(QPalette::WindowText));
    // No fixed columns: the second view goes away.
    m_grila->SetNrColoaneFixe(0);
    QVERIFY(!fixa->isVisible());
    QVERIFY(!m_grila->isColumnHidden(0));
}

QTEST_MAIN(TestVirtualGrid)
#include "tst_virtualgrid.moc"
