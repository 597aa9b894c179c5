// The renderer alone: no database, no widget. A filled page drawn onto PDFs of two paper
// sizes, mirrored and not, onto images of the screen at two zooms, and as a proof over the
// card's scan.
#include "certificat/arietext.h"
#include "certificat/desenarepagina.h"
#include "certificat/geometrieformular.h"
#include "certificat/masuripagina.h"
#include "support/cuvintepdf.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

namespace {

const double Toleranta = 0.2;
// The corrections of the side and of the page, added to every area.
const double StangaMm = 0.7, SusMm = 0.5, DeltaStanga = 0.4, DeltaSus = -0.3;

TArieUmpluta Arie(const QString& text, const QRectF& mm, Qt::Alignment aliniere)
{
    return ArieText(mm, text, "Liberation Sans", 5, aliniere);
}

// Three words, one per alignment, the left one moved by the half-millimetre shifts; an area
// that is hidden and one without a font, which must not come out.
TPaginaUmpluta PaginaMica()
{
    TPaginaUmpluta pagina;
    pagina.LatimeMm = 297;
    pagina.InaltimeMm = 210;
    pagina.DeltaStanga = DeltaStanga;
    pagina.DeltaSus = DeltaSus;
    TArieUmpluta stanga = Arie("STANGA", QRectF(20, 30, 60, 8), Qt::AlignLeft);
    stanga.DeplasareOrizontala = 1;
    stanga.DeplasareVerticala = -1;
    TArieUmpluta ascunsa = Arie("ASCUNS", QRectF(20, 60, 60, 8), Qt::AlignLeft);
    ascunsa.Vizibila = false;
    TArieUmpluta faraFont = Arie("FARAFONT", QRectF(20, 80, 60, 8), Qt::AlignLeft);
    faraFont.AreFont = false;
    pagina.Arii = {stanga, Arie("DREAPTA", QRectF(150, 100, 80, 8), Qt::AlignRight),
                   Arie("CENTRU", QRectF(100, 170, 90, 10), Qt::AlignHCenter), ascunsa, faraFont};
    return pagina;
}

// Where the renderer must put an area's word on unmirrored paper: the x its alignment
// holds to, and the bottom of the area the word stands on.
QPointF LoculAsteptat(const TArieUmpluta& arie, const TPaginaUmpluta& pagina)
{
    const double stanga = arie.StangaTextMm() + StangaMm + pagina.DeltaStanga;
    const double jos = arie.SusTextMm() + SusMm + pagina.DeltaSus + arie.InaltimeMm;
    if (arie.Aliniere & Qt::AlignRight)
        return {stanga + arie.LatimeMm, jos};
    if (arie.Aliniere & Qt::AlignHCenter)
        return {stanga + arie.LatimeMm / 2, jos};
    return {stanga, jos};
}

double XAliniat(const QRectF& cutie, Qt::Alignment aliniere)
{
    if (aliniere & Qt::AlignRight)
        return cutie.right();
    if (aliniere & Qt::AlignHCenter)
        return cutie.center().x();
    return cutie.left();
}

std::optional<TCuvantPdf> Cuvant(const QList<TCuvantPdf>& cuvinte, const QString& text)
{
    for (const TCuvantPdf& c : cuvinte)
        if (c.Text == text)
            return c;
    return std::nullopt;
}

// A PDF page of the paper size with unequal margins, so that a mistake in the unprintable
// offsets shows, drawn through the renderer.
QString PaginaInPdf(const QString& fisier, QPageSize::PageSizeId hartie, bool oglinda, const QImage* fundal)
{
    QPdfWriter pdf(fisier);
    pdf.setResolution(1200);
    pdf.setPageLayout(QPageLayout(QPageSize(hartie), QPageLayout::Landscape, QMarginsF(6, 4, 9, 7),
                                  QPageLayout::Millimeter));
    QPainter painter(&pdf);
    TTintaHartie tinta;
    tinta.Masuri = MasuriPagina(pdf.pageLayout(), pdf.resolution());
    tinta.Asezare = {TCorectiePagina(StangaMm, SusMm), oglinda, fundal};
    DeseneazaPagina(painter, PaginaMica(), tinta);
    return fisier;
}

// The dark pixels of an image inside a rectangle of millimetres, in millimetres.
QRectF CernealaMm(const QImage& imagine, const QRectF& mm, double dpi)
{
    const double k = dpi / 25.4;
    const QRect zona = QRectF(mm.topLeft() * k, mm.bottomRight() * k).toAlignedRect() & imagine.rect();
    const QRect cerneala = ZonaIntunecata(imagine.copy(zona)).translated(zona.topLeft());
    return cerneala.isEmpty() ? QRectF() : QRectF(QPointF(cerneala.topLeft()) / k, QSizeF(cerneala.size()) / k);
}

} // namespace

class TestDesenarePagina : public QObject {
    Q_OBJECT
private slots:
    void peHartieLaMilimetri_data();
    void peHartieLaMilimetri();
    void ecranulCaHartia_data();
    void ecranulCaHartia();
    void probaSubText();

private:
    QTemporaryDir m_dosar;
};

void TestDesenarePagina::peHartieLaMilimetri_data()
{
    QTest::addColumn<int>("hartie");
    QTest::addColumn<QSizeF>("marime");
    QTest::addColumn<bool>("oglinda");
    QTest::newRow("A4") << int(QPageSize::A4) << QSizeF(297, 210) << false;
    QTest::newRow("A4 oglindit") << int(QPageSize::A4) << QSizeF(297, 210) << true;
    QTest::newRow("Letter") << int(QPageSize::Letter) << QSizeF(279.4, 215.9) << false;
    QTest::newRow("Letter oglindit") << int(QPageSize::Letter) << QSizeF(279.4, 215.9) << true;
}

void TestDesenarePagina::peHartieLaMilimetri()
{
    QFETCH(int, hartie);
    QFETCH(QSizeF, marime);
    QFETCH(bool, oglinda);
    const QString fisier = PaginaInPdf(m_dosar.filePath(QString("%1-%2.pdf").arg(hartie).arg(oglinda)),
                                       QPageSize::PageSizeId(hartie), oglinda, nullptr);
    const QList<TCuvantPdf> cuvinte = CuvintePePagini(fisier).value(0);
    QCOMPARE(cuvinte.size(), 3);
    const TPaginaUmpluta pagina = PaginaMica();
    for (const TArieUmpluta& arie : pagina.Arii.mid(0, 3)) {
        const std::optional<TCuvantPdf> cuvant = Cuvant(cuvinte, arie.Text);
        QVERIFY2(cuvant, qPrintable(arie.Text));
        QRectF cutie = cuvant->Cutie;
        // Turned about the paper's centre, the box comes back by turning it again.
        if (oglinda)
            cutie = QRectF(QPointF(marime.width(), marime.height()) - cutie.bottomRight(), cutie.size());
        const QPointF asteptat = LoculAsteptat(arie, pagina);
        const QString unde = QString("%1: x %2, jos %3; asteptat %4, %5")
                                 .arg(arie.Text).arg(XAliniat(cutie, arie.Aliniere)).arg(cutie.bottom())
                                 .arg(asteptat.x()).arg(asteptat.y());
        QVERIFY2(qAbs(XAliniat(cutie, arie.Aliniere) - asteptat.x()) <= Toleranta, qPrintable(unde));
        QVERIFY2(cutie.bottom() <= asteptat.y() + Toleranta && cutie.top() >= asteptat.y() - arie.InaltimeMm,
                 qPrintable(unde));
    }
}

void TestDesenarePagina::ecranulCaHartia_data()
{
    QTest::addColumn<double>("zoom");
    QTest::newRow("100") << 100.0;
    QTest::newRow("200") << 200.0;
}

// The screen draws each word at the millimetres and in the size the paper does: the aligned
// edge, the foot and the width of each area's ink on a screen image match a 600 dpi paper
// image within two screen pixels, a text shrunk to fit its area included.
void TestDesenarePagina::ecranulCaHartia()
{
    QFETCH(double, zoom);
    TPaginaUmpluta pagina = PaginaMica();
    pagina.DeltaStanga = pagina.DeltaSus = 0;
    pagina.Arii << Arie("UNTEXTPREALUNGPENTRUZONALUICAREESTEMICSORATCASAINCAPA", QRectF(20, 130, 70, 8),
                        Qt::AlignLeft);

    const QRect marimeEcran = ZonaPeEcran(zoom, 0, 0, pagina.LatimeMm, pagina.InaltimeMm);
    QImage ecran(marimeEcran.size(), QImage::Format_RGB32);
    {
        TTintaEcran tinta;
        tinta.Zoom = zoom;
        QPainter painter(&ecran);
        DeseneazaPagina(painter, pagina, tinta);
    }
    const int dpiHartie = 600;
    const QPageLayout asezare(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF());
    QImage hartie(asezare.fullRectPixels(dpiHartie).size(), QImage::Format_RGB32);
    hartie.fill(Qt::white);
    {
        QPainter painter(&hartie);
        DeseneazaPagina(painter, pagina, TTintaHartie{MasuriPagina(asezare, dpiHartie), {}});
    }
    const double dpiEcran = PageDpi(zoom);
    for (const TArieUmpluta& arie : pagina.Arii) {
        const QRectF vecinatate(arie.StangaMm - 2, arie.SusMm - 2, arie.LatimeMm + 4, arie.InaltimeMm + 4);
        const QRectF peEcran = CernealaMm(ecran, vecinatate, dpiEcran);
        const QRectF peHartie = CernealaMm(hartie, vecinatate, dpiHartie);
        QCOMPARE(peEcran.isEmpty(), !arie.Vizibila || !arie.AreFont);
        if (peEcran.isEmpty())
            continue;
        // The screen's edges and font cells are whole screen pixels: two of them at most.
        const double pixel = 2 * 25.4 / dpiEcran + 0.05;
        const QString unde = QString("%1: ecran %2,%3 %4x%5, hartie %6,%7 %8x%9").arg(arie.Text)
                                 .arg(peEcran.x()).arg(peEcran.y()).arg(peEcran.width()).arg(peEcran.height())
                                 .arg(peHartie.x()).arg(peHartie.y()).arg(peHartie.width()).arg(peHartie.height());
        const double x = XAliniat(peEcran, arie.Aliniere) - XAliniat(peHartie, arie.Aliniere);
        QVERIFY2(qAbs(x) <= pixel && qAbs(peEcran.bottom() - peHartie.bottom()) <= pixel, qPrintable(unde));
        QVERIFY2(qAbs(peEcran.width() - peHartie.width()) <= pixel, qPrintable(unde));
    }
}

// A proof carries the card's scan, one picture per page, under the text: the words are
// still read back, and where a letter is the ink is darker than the scan.
void TestDesenarePagina::probaSubText()
{
    QImage scan(594, 420, QImage::Format_RGB32);
    scan.fill(QColor(170, 170, 170));
    const QString fisier = PaginaInPdf(m_dosar.filePath("proba.pdf"), QPageSize::A4, false, &scan);

    QProcess pdfimages;
    pdfimages.start("pdfimages", {"-list", fisier});
    QVERIFY(pdfimages.waitForFinished());
    const QStringList linii = QString::fromUtf8(pdfimages.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(linii.size(), 3); // two heading lines, one picture
    QVERIFY2(linii.at(2).simplified().startsWith("1 0 image"), qPrintable(linii.at(2)));
    QCOMPARE(CuvintePePagini(fisier).value(0).size(), 3);

    const QImage pagina = PaginaPdf(fisier, 100);
    // The scan covers the page at the corrected place...
    QCOMPARE(qGray(pagina.pixel(pagina.width() / 2, pagina.height() / 3)), 170);
    // ... and a word's ink lies over it.
    const TArieUmpluta& centru = PaginaMica().Arii.at(2);
    const QRectF cerneala =
        CernealaMm(pagina, QRectF(centru.StangaMm, centru.SusMm, centru.LatimeMm, centru.InaltimeMm + 1), 100);
    QVERIFY(!cerneala.isEmpty());
}

int main(int argc, char* argv[])
{
    // Nothing here may need widgets.
    QGuiApplication aplicatie(argc, argv);
    TestDesenarePagina test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desenarepagina.moc"
