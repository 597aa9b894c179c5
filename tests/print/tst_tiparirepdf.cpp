#include "forms/formulardeprintat.h"
#include "forms/imprimantaqt.h"
#include "certificat/particularizaretextarea.h"
#include "print/printpraventform.h"
#include "support/fisierpdftest.h"
#include "support/mediutest.h"

#include <QPainter>
#include <QPrinter>
#include <QtTest>

namespace {

const double LatimeA4 = 297;
const double InaltimeA4 = 210;

QString TiparesteInPdf(TFormularDePrintat& pagina, const QString& pdf, bool oglinda, double stanga, double sus)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    // Unequal margins, so that a mistake in the unprintable offsets shows.
    printer.setPageMargins(QMarginsF(6, 4, 9, 7), QPageLayout::Millimeter);
    QPainter painter(&printer);
    TImprimantaQt imprimanta(printer, painter);
    pagina.PrintAllAreas(imprimanta, oglinda, stanga, sus);
    return pdf;
}

} // namespace

class TestTiparirePdf : public QObject {
    Q_OBJECT
private slots:
    void pozitiileDinPdf();
};

void TestTiparirePdf::pozitiileDinPdf()
{
    TMediuTest mediu(false);
    UitaListaParticularizari();
    TPrintPraventForm formular;
    TFormularDePrintat& fata = *formular.Fata();
    const QMap<int, QString> texte{{36, "POPESCU"}, {31, "GIMNAZIALA"}, {84, "Dl."}, {25, "7"}, {5, "Brasov"}};
    for (auto it = texte.cbegin(); it != texte.cend(); ++it)
        fata.FindAreaByNumber(it.key())->SetText(it.value());

    const double stanga = 0.7, sus = -0.4;
    const QMap<QString, QRectF> cuvinte = CuvinteDinPdf(TiparesteInPdf(fata, mediu.Dosar() + "/fata.pdf", false, stanga, sus));
    const QMap<QString, QRectF> oglindite =
        CuvinteDinPdf(TiparesteInPdf(fata, mediu.Dosar() + "/oglinda.pdf", true, stanga, sus));
    QCOMPARE(cuvinte.size(), texte.size());
    QCOMPARE(oglindite.size(), texte.size());
    for (auto it = texte.cbegin(); it != texte.cend(); ++it) {
        const TFormularTextArea& area = *fata.FindAreaByNumber(it.key());
        const QRectF gasit = cuvinte.value(it.value());
        const double x = area.LeftMm() + stanga + fata.DeltaStanga();
        const double jos = area.TopMm() + sus + fata.DeltaSus() + area.HeightMm();
        const double asteptatX = area.Alignment() == TFormularTextArea::Centru ? x + area.WidthMm() / 2 : x;
        const double gasitX = area.Alignment() == TFormularTextArea::Centru ? gasit.center().x() : gasit.left();
        QVERIFY2(qAbs(gasitX - asteptatX) <= 0.3, qPrintable(QString("%1: x %2, nu %3").arg(it.value()).arg(gasitX).arg(asteptatX)));
        QVERIFY2(qAbs(gasit.bottom() - jos) <= 0.3, qPrintable(QString("%1: jos %2, nu %3").arg(it.value()).arg(gasit.bottom()).arg(jos)));
        // Mirrored, the word is turned about the centre of the paper.
        const QRectF intors = oglindite.value(it.value());
        QVERIFY2(qAbs(intors.center().x() - (LatimeA4 - gasit.center().x())) <= 0.3, qPrintable(it.value()));
        QVERIFY2(qAbs(intors.center().y() - (InaltimeA4 - gasit.center().y())) <= 0.3, qPrintable(it.value()));
    }
    // The text is no taller than its font: 4.7 mm for the certificate's bold font.
    QVERIFY(qAbs(cuvinte.value("POPESCU").height() - 4.7) <= 0.3);
}

QTEST_MAIN(TestTiparirePdf)
#include "tst_tiparirepdf.moc"
