#include "forms/formulardeprintat.h"

#include <QtTest>

class TestGeometrie : public QObject {
    Q_OBJECT
private slots:
    void rezolutiaPaginii();
    void paginaCertificatului();
    void arieTrunchiataFiecareValoare();
    void milimetriDinPixeli();
};

void TestGeometrie::rezolutiaPaginii()
{
    QCOMPARE(PageDpi(100), 100.934783616);
    QCOMPARE(PageDpi(200), 2 * 100.934783616);
}

void TestGeometrie::paginaCertificatului()
{
    const double dpi = PageDpi(100);
    QCOMPARE(MmToPixels(dpi, 295.973), 1176);
    QCOMPARE(MmToPixels(dpi, 209.613), 832);

    TFormularDePrintat pagina;
    pagina.SetLatime(295.973);
    pagina.SetInaltime(209.613);
    QCOMPARE(pagina.size(), QSize(1176, 832));
}

void TestGeometrie::arieTrunchiataFiecareValoare()
{
    const double dpi = PageDpi(100);
    QCOMPARE(MmToPixels(dpi, 42.15097954919065), 167);
    QCOMPARE(MmToPixels(dpi, 47.18393233118357), 187);
    QCOMPARE(MmToPixels(dpi, -1.0), -3); // toward zero, not down
}

void TestGeometrie::milimetriDinPixeli()
{
    QCOMPARE(PixelsToMm(167, 254.0), 16.7);
    const double dpi = PageDpi(100);
    QCOMPARE(MmToPixels(dpi, PixelsToMm(1176, dpi) + 1e-9), 1176);
}

QTEST_MAIN(TestGeometrie)
#include "tst_geometrie.moc"
