#include "print/setupprinter.h"

#include <QPrinter>
#include <QtTest>

class TestSetupPrinter : public QObject {
    Q_OBJECT
private slots:
    void modulHartiei();
};

void TestSetupPrinter::modulHartiei()
{
    QPrinter imprimanta(QPrinter::ScreenResolution);
    imprimanta.setOutputFormat(QPrinter::PdfFormat);
    imprimanta.setPageSize(QPageSize(QPageSize::Letter));
    imprimanta.setColorMode(QPrinter::Color);

    SetupPrinter(imprimanta, false);
    QCOMPARE(imprimanta.pageLayout().pageSize().id(), QPageSize::A4);
    QCOMPARE(imprimanta.pageLayout().orientation(), QPageLayout::Landscape);
    QCOMPARE(imprimanta.colorMode(), QPrinter::GrayScale);
    QCOMPARE(imprimanta.resolution(), 1200);
    const QRectF hartie = imprimanta.paperRect(QPrinter::Millimeter);
    QCOMPARE(qRound(hartie.width()), 297);
    QCOMPARE(qRound(hartie.height()), 210);

    SetupPrinter(imprimanta, true);
    QCOMPARE(imprimanta.pageLayout().orientation(), QPageLayout::Portrait);
    QCOMPARE(qRound(imprimanta.paperRect(QPrinter::Millimeter).width()), 210);
}

QTEST_MAIN(TestSetupPrinter)
#include "tst_setupprinter.moc"
