#include "certificat/fontcelula.h"
#include "certificat/fontformular.h"
#include "forms/formulardeprintat.h"
#include "certificat/particularizaretextarea.h"
#include "certificat/potrivirefont.h"
#include "support/imprimantainregistrata.h"
#include "support/mediutest.h"

#include <QtTest>
#include <memory>

namespace {

// Counts the notifications an area receives from its page and its font.
class TArieNumarata : public TFormularTextArea {
public:
    using TFormularTextArea::TFormularTextArea;
    void ZoomChanged() override
    {
        ++zoomuri;
        TFormularTextArea::ZoomChanged();
    }
    void FontChanged() override
    {
        ++schimbariFont;
        TFormularTextArea::FontChanged();
    }
    int zoomuri = 0;
    int schimbariFont = 0;
};

// 10 pixels to the millimetre on a landscape sheet with an unprintable margin of 15 x 13
// pixels; fonts are sized at the printer's own resolution, 2100 pixels in 210 mm: 254 dpi.
TMasuriDispozitiv MasuriTest()
{
    TMasuriDispozitiv m;
    m.HorzRes = 2970;
    m.VertRes = 2100;
    m.HorzSize = 297;
    m.VertSize = 210;
    m.PhysicalWidth = 3000;
    m.PhysicalHeight = 2126;
    m.PhysicalOffsetX = 15;
    m.PhysicalOffsetY = 13;
    return m;
}

} // namespace

class TestFormular : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void zoomulEgalNuMutaNimic();
    void redimensionareDupaZoomLock();
    void numereleAriilor();
    void fontulAnuntaAriile();
    void textulEfectiv();
    void potrivireaCoboaraPanaLaDoi();
    void tiparireAliniataSiDeplasata();
    void tiparireFontMaiMareDecatAria();
    void tiparireInOglinda();
    void arieFaraFontNuTipareste();
    void fundalulSeCalculeazaLaSchimbareaMarimii();
    void arieEvidentiata();
    void liniiDeBaza();
    void fontDupaInaltimeaCelulei();

private:
    TFormularTextArea* Arie(TFormularDePrintat& pagina, const QString& nume, const QRectF& mm);

    std::unique_ptr<TMediuTest> m_mediu;
    std::unique_ptr<QWidget> m_formular;
    TFormularDePrintat* m_pagina = nullptr;
    TFontFormular* m_font = nullptr;
};

void TestFormular::init()
{
    m_mediu = std::make_unique<TMediuTest>(false);
    UitaListaParticularizari();
    m_formular = std::make_unique<QWidget>();
    m_formular->setObjectName("FormularTest");
    m_font = new TFontFormular(m_formular.get());
    m_font->setObjectName("Litere");
    m_font->SetSize(4.0);
    m_pagina = new TFormularDePrintat(m_formular.get());
    m_pagina->SetLatime(100);
    m_pagina->SetInaltime(50);
}

void TestFormular::cleanup()
{
    m_formular.reset();
    UitaListaParticularizari();
    m_mediu.reset();
}

TFormularTextArea* TestFormular::Arie(TFormularDePrintat& pagina, const QString& nume, const QRectF& mm)
{
    auto* area = new TFormularTextArea(&pagina);
    area->setObjectName(nume);
    area->SetLeftMm(mm.left());
    area->SetTopMm(mm.top());
    area->SetWidthMm(mm.width());
    area->SetHeightMm(mm.height());
    area->SetZoomLock(200);
    area->SetFont(m_font);
    area->RepositionFromMm();
    return area;
}

void TestFormular::zoomulEgalNuMutaNimic()
{
    auto* area = new TArieNumarata(m_pagina);
    area->SetLeftMm(42.15097954919065);
    area->SetWidthMm(47.18393233118357);
    area->SetTopMm(10);
    area->SetHeightMm(5);
    area->SetZoomLock(200);
    area->RepositionFromMm();
    QCOMPARE(area->geometry(), QRect(167, 39, 187, 19));

    m_pagina->SetZoom(100);
    QCOMPARE(area->zoomuri, 0);

    m_pagina->SetZoom(200);
    QCOMPARE(area->zoomuri, 1);
    QCOMPARE(area->geometry(), QRect(334, 79, 375, 39)); // 334.99..., truncated
    QCOMPARE(m_pagina->size(), QSize(794, 397));
    // The millimetres stay the master: a round trip of zooms brings the pixels back.
    m_pagina->SetZoom(100);
    QCOMPARE(area->geometry(), QRect(167, 39, 187, 19));
    QCOMPARE(area->LeftMm(), 42.15097954919065);
}

void TestFormular::redimensionareDupaZoomLock()
{
    TFormularTextArea* area = Arie(*m_pagina, "FormularTextArea1", QRectF(10, 10, 20, 5));
    m_formular->show(); // Qt tells hidden widgets of their moves only when they are shown
    const QRect dinMm = area->geometry();
    // At a zoom other than the layout zoom, pixel bounds are only a consequence of the zoom.
    area->setGeometry(5, 5, 50, 50);
    QCOMPARE(area->geometry(), dinMm);
    QCOMPARE(area->LeftMm(), 10.0);

    // At the layout zoom a move by hand becomes the new millimetre geometry.
    area->SetZoomLock(100);
    area->setGeometry(101, 50, 40, 20);
    QCOMPARE(area->LeftMm(), PixelsToMm(101, PageDpi(100)));
    QCOMPARE(area->HeightMm(), PixelsToMm(20, PageDpi(100)));
    QCOMPARE(area->ZoomLock(), 100.0);

    // A new area takes its millimetres from its first bounds.
    auto* noua = new TFormularTextArea(m_pagina);
    noua->show();
    noua->setGeometry(0, 0, 101, 10);
    QCOMPARE(noua->WidthMm(), PixelsToMm(101, PageDpi(100)));
    QCOMPARE(noua->ZoomLock(), 100.0);
}

void TestFormular::numereleAriilor()
{
    Arie(*m_pagina, "FormularTextArea7", QRectF(1, 1, 10, 5))->SetText("sapte");
    TFormularTextArea* doisprezece = Arie(*m_pagina, "FormularTextArea12", QRectF(1, 10, 10, 5));
    doisprezece->SetText("doisprezece");
    Arie(*m_pagina, "FormularTextArea1a0", QRectF(1, 20, 10, 5));
    Arie(*m_pagina, "FormularTextArea", QRectF(1, 30, 10, 5));

    QCOMPARE(m_pagina->FindAreaByNumber(12), doisprezece);
    QCOMPARE(m_pagina->FindAreaByNumber(10), nullptr);
    QCOMPARE(m_pagina->HighestAreaNumber(), 12);

    doisprezece->setObjectName("Redenumita12");
    QCOMPARE(m_pagina->FindAreaByNumber(12), nullptr);
    QCOMPARE(m_pagina->HighestAreaNumber(), 10); // the digits of "1a0"

    // A renamed area still prints.
    TImprimantaInregistrata imprimanta(MasuriTest());
    m_pagina->PrintAllAreas(imprimanta, false, 0, 0);
    QStringList texte;
    for (const auto& scriere : imprimanta.Scrieri())
        texte << scriere.Text;
    QCOMPARE(texte, QStringList({"sapte", "doisprezece", "", ""}));
}

void TestFormular::fontulAnuntaAriile()
{
    auto* area = new TArieNumarata(m_pagina);
    area->SetFont(m_font);
    m_font->SetSize(5);
    m_font->SetBold(true);
    m_font->SetDescrierePentruEditor("nu redeseneaza");
    QCOMPARE(area->schimbariFont, 2);
    QCOMPARE(m_font->Arii().size(), 1);

    auto* altul = new TFontFormular(m_formular.get());
    area->SetFont(altul);
    QVERIFY(m_font->Arii().isEmpty());
    delete altul;
    QCOMPARE(area->Font(), nullptr);
    delete area;
    QVERIFY(m_font->Arii().isEmpty());
}

void TestFormular::textulEfectiv()
{
    TFormularTextArea* area = Arie(*m_pagina, "FormularTextArea3", QRectF(1, 1, 10, 5));
    TParticularizareTextArea p;
    p.NumeFormular = "FormularTest";
    p.NumeArie = "FormularTextArea3";
    p.Text = "Redefinit";
    p.Bold = 1;
    p.Italic = 1;
    p.NumeFata = "Liberation Serif";
    p.Aliniere = 2;
    ListaParticularizari().Adauga(p);

    area->SetText("7");
    QCOMPARE(area->EffectiveText(), QString("7")); // one digit of a code keeps its character
    area->SetText("");
    QCOMPARE(area->EffectiveText(), QString("Redefinit"));
    area->SetText("ab");
    QCOMPARE(area->EffectiveText(), QString("Redefinit"));

    const TAspectEfectiv aspect = area->AspectEfectiv();
    QCOMPARE(aspect.Greutate, 700);
    QVERIFY(aspect.Italic);
    QCOMPARE(aspect.Fata, QString("Liberation Serif"));
    QCOMPARE(aspect.Aliniere, Qt::AlignHCenter);

    // An override font that names no font of the form leaves the area's own.
    p.NumeFont = "FontDisparut";
    p.Bold = 2;
    ListaParticularizari().Adauga(p);
    m_font->SetBold(true);
    QCOMPARE(area->AspectEfectiv().Font, m_font);
    QCOMPARE(area->AspectEfectiv().Greutate, 400);
}

void TestFormular::potrivireaCoboaraPanaLaDoi()
{
    TImprimantaInregistrata suprafata(MasuriTest());
    TCerereFont cerere;
    cerere.InaltimeCelula = 6;
    const TTextPotrivit potrivit = PotrivesteTextul(suprafata, cerere, "un text care nu incape", 10);
    QList<int> inaltimi;
    for (const TCerereFont& font : suprafata.Fonturi())
        inaltimi << font.InaltimeCelula;
    QCOMPARE(inaltimi, QList<int>({6, 5, 4, 3, 2}));
    QCOMPARE(potrivit.InaltimeCelula, 2);
    QCOMPARE(potrivit.Marime, QSize(22, 2));

    suprafata.Goleste();
    QCOMPARE(PotrivesteTextul(suprafata, cerere, "abcd", 10).InaltimeCelula, 5); // 4 x 5 / 2 = 10 fits
}

void TestFormular::tiparireAliniataSiDeplasata()
{
    TFormularTextArea* area = Arie(*m_pagina, "FormularTextArea1", QRectF(10, 20, 30, 6));
    area->SetText("ABC");
    m_pagina->SetDeltaStanga(0.5);
    m_pagina->SetDeltaSus(1);
    TParticularizareTextArea p;
    p.NumeFormular = "FormularTest";
    p.NumeArie = "FormularTextArea1";
    p.Aliniere = 3;
    p.DeplasareOrizontala = 1;
    p.DeplasareVerticala = -1;
    ListaParticularizari().Adauga(p);

    // Halves round to even: 22.5 pixels is 22, 37.5 is 38.
    Arie(*m_pagina, "FormularTextArea2", QRectF(1.25, 1.75, 2, 2))->SetText("x");

    TImprimantaInregistrata imprimanta(MasuriTest());
    m_pagina->PrintAllAreas(imprimanta, false, 0.5, 1);
    QCOMPARE(imprimanta.Scrieri().size(), 2);
    // x = 10 + 0.5 + 0.5 + 0.5 mm, y = 20 + 1 + 1 - 0.5 mm: W = 301, H = 61, a 40 pixel font,
    // "ABC" 60 pixels wide against the right edge.
    const auto& dreapta = imprimanta.Scrieri().at(0);
    QCOMPARE(dreapta.Decupare, QRect(QPoint(100, 202), QPoint(399, 261)));
    QCOMPARE(dreapta.Origine, QPoint(341, 223));
    QCOMPARE(dreapta.Font.InaltimeCelula, 40);
    QCOMPARE(dreapta.Font.Escapement, 0);
    QCOMPARE(imprimanta.Scrieri().at(1).Decupare.topLeft(), QPoint(22 - 15, 38 - 13));

    // Centred: (301 - 60) / 2 truncated.
    imprimanta.Goleste();
    ListaParticularizari().Adauga([&] { p.Aliniere = 2; return p; }());
    area->PrintTo(imprimanta, false, 1, 2);
    QCOMPARE(imprimanta.Scrieri().at(0).Origine.x(), 100 + 120);
}

void TestFormular::tiparireFontMaiMareDecatAria()
{
    m_font->SetSize(8);
    TFormularTextArea* area = Arie(*m_pagina, "FormularTextArea1", QRectF(10, 20, 30, 3));
    area->SetText("A");
    TImprimantaInregistrata imprimanta(MasuriTest());
    area->PrintTo(imprimanta, false, 0, 0);
    // 8 mm would be 80 pixels at 254 dpi; the 3 mm area allows 30.
    QCOMPARE(imprimanta.Fonturi().first().InaltimeCelula, 30);
    QCOMPARE(imprimanta.Fonturi().size(), 1);
}

void TestFormular::tiparireInOglinda()
{
    TFormularTextArea* area = Arie(*m_pagina, "FormularTextArea1", QRectF(0, 0, 20, 5));
    area->SetText("AB");
    TImprimantaInregistrata imprimanta(MasuriTest());
    area->PrintTo(imprimanta, true, 0, 0);
    // Unmirrored the area is (-15, -13) to (185, 37) with the text cell at (-15, -2); turned
    // about the paper's centre it lies against the paper's bottom-right corner.
    const auto& scriere = imprimanta.Scrieri().first();
    QCOMPARE(scriere.Decupare, QRect(QPoint(2785, 2063), QPoint(2984, 2112)));
    QCOMPARE(scriere.Origine, QPoint(2985, 2102));
    QCOMPARE(scriere.Font.Escapement, 1800);
    for (const TCerereFont& font : imprimanta.Fonturi())
        QCOMPARE(font.Escapement, 1800);
}

void TestFormular::arieFaraFontNuTipareste()
{
    TFormularTextArea* area = Arie(*m_pagina, "FormularTextArea1", QRectF(0, 0, 20, 5));
    area->SetText("AB");
    area->SetFont(nullptr);
    TImprimantaInregistrata imprimanta(MasuriTest());
    m_pagina->PrintAllAreas(imprimanta, true, 0, 0);
    QVERIFY(imprimanta.Fonturi().isEmpty());
    QVERIFY(imprimanta.Scrieri().isEmpty());
    QVERIFY(!area->grab().isNull()); // and paints without a font
}

void TestFormular::fundalulSeCalculeazaLaSchimbareaMarimii()
{
    m_pagina->grab();
    QVERIFY(m_pagina->FundalCache().isNull());
    QCOMPARE(m_pagina->grab().toImage().pixelColor(5, 5), QColor(Qt::white)); // no scan: plain paper

    QImage scan(400, 200, QImage::Format_RGB32);
    scan.fill(Qt::red);
    m_pagina->SetBkImage(scan);
    const QImage desen = m_pagina->grab().toImage();
    QCOMPARE(desen.pixelColor(100, 100), QColor(Qt::red));
    QCOMPARE(m_pagina->FundalCache().size(), m_pagina->size());
    const qint64 cheie = m_pagina->FundalCache().cacheKey();
    m_pagina->grab(QRect(10, 10, 20, 20));
    QCOMPARE(m_pagina->FundalCache().cacheKey(), cheie);

    m_pagina->SetZoom(110);
    m_pagina->grab();
    QVERIFY(m_pagina->FundalCache().cacheKey() != cheie);
    QCOMPARE(m_pagina->FundalCache().size(), m_pagina->size());
}

void TestFormular::arieEvidentiata()
{
    TFormularTextArea* area = Arie(*m_pagina, "FormularTextArea1", QRectF(10, 10, 20, 10));
    const QPoint centru = area->geometry().center();
    QCOMPARE(m_pagina->grab().toImage().pixelColor(centru), QColor(Qt::white));
    area->SetHovered(true);
    QCOMPARE(m_pagina->grab().toImage().pixelColor(centru), area->palette().color(QPalette::Highlight));

    // An opaque area fills itself; the frame is drawn on its edge.
    area->SetHovered(false);
    QImage scan(10, 10, QImage::Format_RGB32);
    scan.fill(Qt::green);
    m_pagina->SetBkImage(scan);
    m_pagina->SetTextAreaWithBorder(true);
    QImage desen = m_pagina->grab().toImage();
    QCOMPARE(desen.pixelColor(centru), QColor(Qt::green));
    QCOMPARE(desen.pixelColor(area->geometry().topLeft()), QColor(Qt::black));
    m_pagina->SetTextAreaTransparent(false);
    desen = m_pagina->grab().toImage();
    QCOMPARE(desen.pixelColor(centru), QColor(Qt::white));
}

void TestFormular::liniiDeBaza()
{
    TFormularTextArea* area = Arie(*m_pagina, "FormularTextArea1", QRectF(10, 10, 20, 10));
    m_pagina->SetTextAreaBaseLine1(true);
    m_pagina->SetTextAreaBaseLine2(true);
    m_pagina->SetTextAreaBaseLine2_delta(0.5);
    const QImage desen = m_pagina->grab().toImage();
    const int x = area->x() + 2;
    int rosu = -1;
    for (int y = area->y(); y < area->geometry().bottom() && rosu < 0; ++y)
        if (desen.pixelColor(x, y) == QColor(Qt::red))
            rosu = y;
    // Base line 1 sits one descent above the area's bottom edge; line 2 half a millimetre lower.
    QVERIFY(rosu > area->y() + area->height() / 2);
    QVERIFY(rosu < area->geometry().bottom());
    QCOMPARE(desen.pixelColor(x, rosu + MmToPixels(PageDpi(100), 0.5)), QColor(Qt::blue));
}

void TestFormular::fontDupaInaltimeaCelulei()
{
    for (const int celula : {2, 9, 16, 40, 236}) {
        for (const int greutate : {400, 700}) {
            TCerereFont cerere;
            cerere.Fata = "Arial";
            cerere.InaltimeCelula = celula;
            cerere.Greutate = greutate;
            const QFontMetrics metrici(FontDupaCerere(cerere));
            const int obtinut = metrici.ascent() + metrici.descent();
            QVERIFY2(obtinut <= celula && obtinut >= celula - 2,
                     qPrintable(QString("celula %1: %2").arg(celula).arg(obtinut)));
        }
    }
}

QTEST_MAIN(TestFormular)
#include "tst_formular.moc"
