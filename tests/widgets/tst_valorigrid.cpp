#include "base/eroare.h"
#include "support/mediutest.h"
#include "widgets/brvvgrideditorform.h"
#include "widgets/brvvirtualgrid.h"
#include "widgets/scaleazamarime.h"
#include "widgets/textvaloare.h"
#include "valoaredetip.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

QString Eroarea(const std::function<void()>& actiune)
{
    try {
        actiune();
    } catch (const EEroare& e) {
        return e.Mesaj();
    }
    return QString();
}

void ScrieFisier(const QString& cale, const QByteArray& continut)
{
    QFile fisier(cale);
    QVERIFY(fisier.open(QIODevice::WriteOnly));
    fisier.write(continut);
}

} // namespace

class TestValoriGrid : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void getterulAltuiTipEsteRefuzat();
    void textulDupaTip_data();
    void textulDupaTip();
    void textulCeluleiDinEvenimente();
    void faraValoareSauTipGresit();
    void raportulDinFisier_data();
    void raportulDinFisier();
    void fisierulLipsaSeCreeaza();
    void fisierulCeNuSePoateCrea();
    void doiEndUpdateDupaUnBeginUpdate();
    void liniileAdaugateApar();
    void headerHeightPeGrilaGoala();
    void stilurileSiFallbackul();
    void copiereaColoanei();
    void valoriImplicite();
    void coloaneFixeDupaRelayout();
    void numereleEditorului();

private:
    std::unique_ptr<TMediuTest> m_mediu;
};

void TestValoriGrid::initTestCase()
{
    m_mediu = std::make_unique<TMediuTest>(false);
}

void TestValoriGrid::getterulAltuiTipEsteRefuzat()
{
    TBrvValoareDate v;
    QCOMPARE(v.TipValoare(), TBrvValoareDate::TipNedefinit);
    QVERIFY(!v.AreTipReal());
    QCOMPARE(Eroarea([&] { v.Text(); }), QStringLiteral("Tip incorect"));
    v.SetIntreg(5);
    QCOMPARE(v.Intreg(), 5);
    const QList<std::function<void()>> altele = {
        [&] { v.Suma(); }, [&] { v.Sutimi(); }, [&] { v.Text(); }, [&] { v.DataFaraAn(); },
        [&] { v.DataCuAn(); }, [&] { v.DataLunga(); }};
    for (const auto& getter : altele)
        QCOMPARE(Eroarea(getter), QStringLiteral("Tip incorect"));
    v.SetText(QStringLiteral("x"));
    QCOMPARE(Eroarea([&] { v.Intreg(); }), QStringLiteral("Tip incorect"));
    v.MarcheazaFaraDate();
    QCOMPARE(v.TipValoare(), TBrvValoareDate::TipFaraDate);
    QCOMPARE(Eroarea([&] { v.Text(); }), QStringLiteral("Tip incorect"));
}

void TestValoriGrid::textulDupaTip_data()
{
    QTest::addColumn<int>("tip");
    QTest::addColumn<QString>("text");
    QTest::newRow("suma") << 0 << "1.234,56";
    QTest::newRow("intreg") << 1 << "-1234567";
    QTest::newRow("sutimi") << 2 << "421,89";
    QTest::newRow("text") << 3 << "Popescu Ion";
    QTest::newRow("fara an") << 4 << "07/06";
    QTest::newRow("cu an") << 5 << "07/06/06";
    QTest::newRow("lunga") << 6 << "7 iunie 2006";
}

void TestValoriGrid::textulDupaTip()
{
    QFETCH(int, tip);
    QFETCH(QString, text);
    const TBrvValoareDate v = ValoareDeTip(tip);
    QCOMPARE(int(v.TipValoare()), tip);
    QCOMPARE(FormateazaValoare(v), text);
}

void TestValoriGrid::textulCeluleiDinEvenimente()
{
    TBrvVirtualGrid grila;
    grila.BeginUpdate();
    TBrvVirtualGridColumn& suma = grila.Coloane().Add();
    suma.SetTipDeDate(atCurrency);
    TBrvVirtualGridColumn& sutimi = grila.Coloane().Add();
    sutimi.SetTipDeDate(atIntegerDouaZecimale);
    TBrvVirtualGridColumn& directa = grila.Coloane().Add();
    directa.OnGetText = [](TBrvVirtualGridLine*, QString& text) { text = QStringLiteral("direct"); };
    TBrvVirtualGridColumn& oricare = grila.Coloane().Add();
    oricare.SetTipDeDate(atAsk);
    grila.Linii().Adauga();
    grila.EndUpdate();

    // Without OnGetCellValue every cell says so, except the one that supplies its own text.
    QCOMPARE(grila.TextCelula(0, 0), QStringLiteral("!NoData!"));
    QCOMPARE(grila.TextCelula(1, 0), QStringLiteral("!NoData!"));
    QCOMPARE(grila.TextCelula(3, 0), QStringLiteral("!NoData!"));
    QCOMPARE(grila.TextCelula(2, 0), QStringLiteral("direct"));

    grila.OnGetCellValue = [](TBrvVirtualGridLine*, int coloana, TBrvValoareDate& v) {
        if (coloana == 0)
            v.SetSuma(-5000);
        else if (coloana == 1)
            v.SetSutimi(-5);
        else
            v.SetDataCuAn(QDate(1999, 12, 31));
    };
    QCOMPARE(grila.TextCelula(0, 0), QStringLiteral("-0,50"));
    QCOMPARE(grila.TextCelula(1, 0), QStringLiteral("-0,05"));
    QCOMPARE(grila.TextCelula(3, 0), QStringLiteral("31/12/99"));
    grila.OnCustomText = [](TBrvVirtualGridLine*, const TBrvValoareDate& v, int coloana, QString& text) {
        if (coloana == 1 && v.TipValoare() == TBrvValoareDate::TipSutimi)
            text += QStringLiteral(" lei");
    };
    QCOMPARE(grila.TextCelula(1, 0), QStringLiteral("-0,05 lei"));
    QCOMPARE(grila.TextCelula(0, 0), QStringLiteral("-0,50"));
}

void TestValoriGrid::faraValoareSauTipGresit()
{
    TBrvVirtualGrid grila;
    grila.BeginUpdate();
    grila.Coloane().Add().SetNumeColoana(QStringLiteral("Nume elev"));
    grila.Coloane().Add().SetTipDeDate(atAuto);
    grila.Coloane().Add().SetTipDeDate(atInteger);
    grila.Linii().Adauga();
    grila.EndUpdate();
    // A handler that never sets a value.
    grila.OnGetCellValue = [](TBrvVirtualGridLine*, int, TBrvValoareDate&) {};
    QCOMPARE(Eroarea([&] { grila.TextCelula(0, 0); }),
             QStringLiteral("Nepotrivire de date cand citesc coloana Nume elev"));
    QCOMPARE(Eroarea([&] { grila.TextCelula(1, 0); }), QStringLiteral("Bug! Nu stiu citi tipul de date!"));
    // Marked "no data" by the owner.
    grila.OnGetCellValue = [](TBrvVirtualGridLine*, int, TBrvValoareDate& v) { v.MarcheazaFaraDate(); };
    QCOMPARE(grila.TextCelula(0, 0), QStringLiteral("!NoData!"));
    QCOMPARE(grila.TextCelula(1, 0), QStringLiteral("!NoData!"));
    // A value of another type.
    grila.OnGetCellValue = [](TBrvVirtualGridLine*, int, TBrvValoareDate& v) { v.SetText(QStringLiteral("7")); };
    QCOMPARE(Eroarea([&] { grila.TextCelula(2, 0); }), QStringLiteral("Nepotrivire de date cand citesc coloana "));
    QCOMPARE(grila.TextCelula(1, 0), QStringLiteral("7"));
    // Outside the grid: nothing to show, nothing asked.
    QCOMPARE(grila.TextCelula(0, 5), QString());
}

void TestValoriGrid::raportulDinFisier_data()
{
    QTest::addColumn<QByteArray>("continut");
    QTest::addColumn<int>("la96");
    QTest::addColumn<int>("la144");
    QTest::newRow("5 : 4") << QByteArray("5 : 4\r\n") << 160 << 240;
    QTest::newRow("1:1") << QByteArray("1:1") << 128 << 192;
    QTest::newRow("blanks and letters") << QByteArray("  3x:2y  \nignored 9:1") << 192 << 288;
    // Parts that are not numbers count as 8.
    QTest::newRow("garbage") << QByteArray("garbage") << 128 << 192;
    QTest::newRow("no denominator") << QByteArray("4:") << 64 << 96;
    QTest::newRow("second colon") << QByteArray("16:2:1") << 256 << 384;
    QTest::newRow("too long a number") << QByteArray("99999999999:1") << 1024 << 1536;
    // A zero would divide by zero or hide every column.
    QTest::newRow("zero denominator") << QByteArray("4:0") << 64 << 96;
    QTest::newRow("zero numerator") << QByteArray("0:4") << 256 << 384;
    QTest::newRow("empty") << QByteArray() << 128 << 192;
}

void TestValoriGrid::raportulDinFisier()
{
    QFETCH(QByteArray, continut);
    QFETCH(int, la96);
    QFETCH(int, la144);
    const QString cale = m_mediu->Dosar() + QStringLiteral("/raport.txt");
    ScrieFisier(cale, continut);
    const TRaportMarime raport = CitesteRaportMarime(cale);
    QCOMPARE(ScaleazaMarime(128, raport, 96), la96);
    QCOMPARE(ScaleazaMarime(128, raport, 144), la144);
}

void TestValoriGrid::fisierulLipsaSeCreeaza()
{
    const QString cale = m_mediu->Dosar() + QStringLiteral("/LargeFonts.txt");
    QFile::remove(cale);
    const TRaportMarime raport = CitesteRaportMarime(cale);
    QCOMPARE(raport.Numarator, 1);
    QCOMPARE(raport.Numitor, 1);
    QFile fisier(cale);
    QVERIFY(fisier.open(QIODevice::ReadOnly));
    QCOMPARE(fisier.readAll().trimmed(), QByteArray("1:1"));
    // Left to the left: 7 × 5 div 4 is 8, then × 96 div 96.
    QCOMPARE(ScaleazaMarime(7, {5, 4}, 96), 8);
    // A ratio no screen needs stays within a size a window can have.
    QVERIFY(ScaleazaMarime(30000, {1000, 1}, 96) <= 10000);
}

void TestValoriGrid::fisierulCeNuSePoateCrea()
{
    // A folder by that name: no ratio in it, both parts count as 8.
    const QString dosar = m_mediu->Dosar() + QStringLiteral("/dosar.txt");
    QVERIFY(QDir().mkpath(dosar));
    QCOMPARE(ScaleazaMarime(128, CitesteRaportMarime(dosar), 96), 128);

    // The message font decides, measured against 11 pixels.
    const TRaportMarime raport = CitesteRaportMarime(m_mediu->Dosar() + QStringLiteral("/lipsa/LargeFonts.txt"));
    QCOMPARE(raport.Numitor, 11);
    QVERIFY(raport.Numarator > 0);
}

void TestValoriGrid::doiEndUpdateDupaUnBeginUpdate()
{
    TBrvVirtualGrid grila;
    grila.BeginUpdate();
    grila.EndUpdate();
    QCOMPARE(Eroarea([&] { grila.EndUpdate(); }), QStringLiteral("EndUpdate fara BeginUpdate"));
    // The counter is not left below zero: a new bracket works as before.
    grila.BeginUpdate();
    grila.Linii().Adauga();
    grila.EndUpdate();
    QCOMPARE(grila.model()->rowCount(), 1);
}

void TestValoriGrid::liniileAdaugateApar()
{
    TBrvVirtualGrid grila;
    grila.Coloane().Add();
    grila.BeginUpdate();
    for (int i = 0; i < 5; ++i)
        grila.Linii().Adauga();
    grila.Linii().Adauga()->Inaltime = 40;
    // Laid out only when the outermost bracket closes.
    QCOMPARE(grila.model()->rowCount(), 0);
    grila.EndUpdate();
    QCOMPARE(grila.model()->rowCount(), 6);
    QCOMPARE(grila.model()->columnCount(), 1);
    QCOMPARE(grila.rowHeight(0), ScaleazaMarime(24));
    QCOMPARE(grila.rowHeight(5), ScaleazaMarime(40));
    QCOMPARE(grila.horizontalHeader()->sectionSize(0), ScaleazaMarime(128));
    // A line added on its own brackets itself.
    grila.Linii().Adauga();
    QCOMPARE(grila.model()->rowCount(), 7);
    QCOMPARE(grila.Linii().Add(nullptr), nullptr);
    QCOMPARE(grila.model()->rowCount(), 7);
    grila.Linii().Clear();
    QCOMPARE(grila.model()->rowCount(), 0);
    QCOMPARE(grila.Linii().Linie(0), nullptr);
}

void TestValoriGrid::headerHeightPeGrilaGoala()
{
    TBrvVirtualGrid grila;
    QCOMPARE(grila.HeaderHeight(), -1);
    grila.SetHeaderHeight(70);
    QCOMPARE(grila.HeaderHeight(), -1);
    grila.Coloane().Add();
    QCOMPARE(grila.HeaderHeight(), 48);
    QCOMPARE(grila.horizontalHeader()->height(), 48);
    grila.SetHeaderHeight(70);
    QCOMPARE(grila.HeaderHeight(), 70);
    QCOMPARE(grila.horizontalHeader()->height(), 70);
    // Laying out leaves it alone.
    grila.Relayout();
    QCOMPARE(grila.horizontalHeader()->height(), 70);
    grila.Coloane().Clear();
    QCOMPARE(grila.HeaderHeight(), -1);
}

void TestValoriGrid::stilurileSiFallbackul()
{
    TBrvVirtualGridLine linie;
    QCOMPARE(linie.Stil(), 1);
    QCOMPARE(Eroarea([&] { linie.SetStil(0); }), QStringLiteral("Stil trebuie sa fie de la 1 la 10"));
    QCOMPARE(Eroarea([&] { linie.SetStil(11); }), QStringLiteral("Stil trebuie sa fie de la 1 la 10"));
    QCOMPARE(linie.Stil(), 1);
    TBrvVirtualGridColumn coloana;
    QCOMPARE(Eroarea([&] { coloana.Stil(0); }), QStringLiteral("Sunt definite stiluri de la 1 la 10"));
    QCOMPARE(Eroarea([&] { coloana.SetStil(11, TBrvCuloriColoana()); }),
             QStringLiteral("Sunt definite stiluri de la 1 la 10"));
    QVERIFY(coloana.Stil(1).Activ);
    for (int n = 2; n <= 10; ++n)
        QVERIFY(!coloana.Stil(n).Activ);
    TBrvCuloriColoana stil3;
    stil3.Activ = true;
    stil3.ImageIndex = 3;
    coloana.SetStil(3, stil3);
    QCOMPARE(&coloana.StilFolosit(5), &coloana.Stil(3));
    QCOMPARE(&coloana.StilFolosit(3), &coloana.Stil(3));
    QCOMPARE(&coloana.StilFolosit(2), &coloana.Stil(1));
    QCOMPARE(&coloana.StilFolosit(1), &coloana.Stil(1));
    // Style 1 is the last resort even when it is switched off.
    TBrvCuloriColoana oprit;
    coloana.SetStil(1, oprit);
    QCOMPARE(&coloana.StilFolosit(2), &coloana.Stil(1));
}

void TestValoriGrid::copiereaColoanei()
{
    TBrvVirtualGrid grila;
    TBrvVirtualGridColumn& sursa = grila.Coloane().Add();
    sursa.SetTipDeDate(atDataLung);
    sursa.SetNumeColoana(QStringLiteral("Data nasterii"));
    sursa.SetUmbrela1(QStringLiteral("A"));
    sursa.SetUmbrela2(QStringLiteral("B"));
    sursa.SetCuloareHeader(Qt::red);
    sursa.SetAliniereTextInHeader(TBrvAliniere::Dreapta);
    sursa.SetFontUmbrela1({FontArial(12), Qt::green});
    sursa.SetFontUmbrela2({FontArial(14), Qt::blue});
    sursa.SetCuloareUmbrela1(Qt::yellow);
    sursa.SetCuloareUmbrela2(Qt::cyan);
    sursa.SetWidth(77);
    TBrvCuloriColoana stil7;
    stil7.Activ = true;
    stil7.Indent = 4;
    sursa.SetStil(7, stil7);
    sursa.SetAllowMultiLineGridPrint(true);
    sursa.OnGetText = [](TBrvVirtualGridLine*, QString& text) { text = QStringLiteral("copiat"); };
    TBrvVirtualGridColumn& tinta = grila.Coloane().Add();
    tinta.Assign(sursa);
    QCOMPARE(tinta.TipDeDate(), atDataLung);
    QCOMPARE(tinta.NumeColoana(), QStringLiteral("Data nasterii"));
    QCOMPARE(tinta.Umbrela1(), QStringLiteral("A"));
    QCOMPARE(tinta.Umbrela2(), QStringLiteral("B"));
    QCOMPARE(tinta.CuloareHeader(), QColor(Qt::red));
    QCOMPARE(tinta.AliniereTextInHeader(), TBrvAliniere::Dreapta);
    QCOMPARE(tinta.FontUmbrela1().Font.pointSize(), 12);
    QCOMPARE(tinta.FontUmbrela2().Culoare, QColor(Qt::blue));
    QCOMPARE(tinta.CuloareUmbrela1(), QColor(Qt::yellow));
    QCOMPARE(tinta.CuloareUmbrela2(), QColor(Qt::cyan));
    QCOMPARE(tinta.Width(), 77);
    QVERIFY(tinta.Stil(7).Activ);
    QCOMPARE(tinta.Stil(7).Indent, 4);
    QVERIFY(!tinta.AllowMultiLineGridPrint());
    grila.Linii().Adauga();
    QCOMPARE(grila.TextCelula(1, 0), QStringLiteral("copiat"));
    QCOMPARE(grila.horizontalHeader()->sectionSize(1), ScaleazaMarime(77));
    QCOMPARE(tinta.DisplayName(), QStringLiteral("[1] Data nasterii"));
    QCOMPARE(TBrvVirtualGridColumn().DisplayName(), QStringLiteral("<fara nume>"));
}

void TestValoriGrid::valoriImplicite()
{
    TBrvVirtualGrid grila;
    QCOMPARE(grila.NrColoaneFixe(), 1);
    QCOMPARE(grila.Optiuni(), 0);
    QCOMPARE(grila.TitluMare, QStringLiteral("TITLUL MARE"));
    QCOMPARE(grila.TitluMic, QStringLiteral("TITLUL MIC"));
    QVERIFY(grila.TitluDreaptaSus.isEmpty());
    QCOMPARE(grila.AntetLinia1, QStringLiteral("Linia #1 din antet"));
    QCOMPARE(grila.AntetLinia2, QStringLiteral("Linia #2 din antet"));
    QCOMPARE(grila.AntetLinia3, QStringLiteral("Linia #3 din antet"));
    QVERIFY(grila.InfoSemnaturi.isEmpty() && grila.InfoSemnaturi_nume3.isEmpty());
    QVERIFY(!grila.PrintPortrait);
    const TBrvVirtualGridColumn& c = grila.Coloane().Add();
    QCOMPARE(c.TipDeDate(), atString);
    QCOMPARE(c.Width(), 128);
    QCOMPARE(c.CuloareHeader(), QColor(243, 250, 220));
    QCOMPARE(c.AliniereTextInHeader(), TBrvAliniere::Centru);
    QCOMPARE(c.FontUmbrela1().Font.family(), QStringLiteral("Arial"));
    QCOMPARE(c.FontUmbrela1().Font.pointSize(), 8);
    QCOMPARE(c.FontUmbrela2().Culoare, QColor(Qt::darkBlue));
    QVERIFY(!c.CuloareUmbrela1().isValid());
    const TBrvCuloriColoana& stil = c.Stil1();
    QCOMPARE(stil.FontNormal.Font.pointSize(), 9);
    QCOMPARE(stil.CuloareBackgroundNormal, grila.palette().color(QPalette::Base));
    QCOMPARE(stil.CuloareBackgroundSelectat, grila.palette().color(QPalette::Highlight));
    QCOMPARE(stil.FontSelectat.Culoare, grila.palette().color(QPalette::HighlightedText));
    QCOMPARE(stil.ImageIndex, -1);
    QCOMPARE(stil.Indent, -1);
    QCOMPARE(stil.Aliniere, TBrvAliniere::Stanga);
    const TBrvVirtualGridLine linie;
    QVERIFY(!linie.CuloareFundal.isValid() && !linie.CuloareText.isValid());
    QCOMPARE(linie.Atribute, 0);
    QCOMPARE(linie.Inaltime, 0);
}

void TestValoriGrid::coloaneFixeDupaRelayout()
{
    TBrvVirtualGrid grila;
    grila.Coloane().Add();
    // One column: nothing can be fixed.
    QCOMPARE(grila.ColoaneFixe(), 0);
    grila.Coloane().Add();
    grila.Coloane().Add();
    QCOMPARE(grila.ColoaneFixe(), 1);
    grila.SetNrColoaneFixe(2);
    QCOMPARE(grila.ColoaneFixe(), 2);
    // As many as there are columns, or more: one.
    grila.SetNrColoaneFixe(3);
    QCOMPARE(grila.ColoaneFixe(), 1);
    grila.SetNrColoaneFixe(0);
    QCOMPARE(grila.ColoaneFixe(), 0);
    grila.SetNrColoaneFixe(-4);
    QCOMPARE(grila.ColoaneFixe(), 0);
}

void TestValoriGrid::numereleEditorului()
{
    using F = TBrvVGridEditorForm;
    QCOMPARE(F::CitesteNumar(QStringLiteral("12,34"), 2), std::optional<qint64>(1234));
    QCOMPARE(F::CitesteNumar(QStringLiteral("12.3"), 2), std::optional<qint64>(1230));
    QCOMPARE(F::CitesteNumar(QStringLiteral("-7"), 4), std::optional<qint64>(-70000));
    QCOMPARE(F::CitesteNumar(QStringLiteral("1,234"), 2), std::nullopt);
    QCOMPARE(F::CitesteNumar(QStringLiteral("-"), 0), std::nullopt);
    QCOMPARE(F::CitesteNumar(QString(), 0), std::nullopt);
    QCOMPARE(F::CitesteNumar(QStringLiteral("1e5"), 0), std::nullopt);
    QCOMPARE(F::CitesteNumar(QStringLiteral("999999999999999999"), 4), std::nullopt);
    TBrvValoareDate suma;
    suma.SetSuma(-12345000);
    QCOMPARE(F::TextNumeric(suma), QStringLiteral("-1234,50"));
    suma.SetSuma(12345678);
    QCOMPARE(F::TextNumeric(suma), QStringLiteral("1234,5678"));
    TBrvValoareDate sutimi;
    sutimi.SetSutimi(42189);
    QCOMPARE(F::TextNumeric(sutimi), QStringLiteral("421,89"));
    // An editor for a value of no known type is refused.
    QCOMPARE(Eroarea([] { F editor(TBrvValoareDate(), QString(), nullptr); }), QStringLiteral("Nu cunosc tipul"));
}

QTEST_MAIN(TestValoriGrid)
#include "tst_valorigrid.moc"
