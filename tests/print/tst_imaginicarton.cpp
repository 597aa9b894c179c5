#include "print/formularpravent.h"

#include <QImage>
#include <QtTest>

// The blank card under the certificate's pages: built into the program, 200 dots per inch,
// and as large as the page it lies under, to within a pixel.
class TestImaginiCarton : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { IncarcaResurseleCertificatului(); }
    void marimi_data();
    void marimi();
};

void TestImaginiCarton::marimi_data()
{
    QTest::addColumn<QString>("resursa");
    QTest::addColumn<QSize>("pixeli");
    QTest::addColumn<double>("latimeMm");
    QTest::newRow("fata") << ":/resources/fata.jpg" << QSize(2331, 1651) << 295.973;
    QTest::newRow("spate") << ":/resources/spate.jpg" << QSize(2330, 1651) << 295.91;
}

void TestImaginiCarton::marimi()
{
    QFETCH(QString, resursa);
    QFETCH(QSize, pixeli);
    QFETCH(double, latimeMm);
    const QImage imagine(resursa);
    QVERIFY2(!imagine.isNull(), qPrintable(resursa));
    QCOMPARE(imagine.size(), pixeli);
    QVERIFY(qAbs(imagine.width() - latimeMm * 200 / 25.4) <= 1);
    QVERIFY(qAbs(imagine.height() - 209.613 * 200 / 25.4) <= 1);
    QCOMPARE(qRound(imagine.dotsPerMeterX() * 0.0254), 200);
}

QTEST_GUILESS_MAIN(TestImaginiCarton)
#include "tst_imaginicarton.moc"
