#include "base/brvregistryclass.h"
#include "print/allstuffreg.h"
#include "print/imaginitest.h"
#include "print/panoumasurare.h"
#include "print/printwiz.h"
#include "print/setupprinter.h"
#include "support/fisierpdftest.h"
#include "support/mediutest.h"
#include "support/prompttest.h"

#include <QLineEdit>
#include <QPushButton>
#include <QAbstractButton>
#include <QLabel>
#include <QPrinter>
#include <QSettings>
#include <QTreeWidget>
#include <QtTest>

namespace {

using TAlegeri = QMap<int, int>;

void AlegePdf(TPrintWiz& wiz)
{
    const QList<QTreeWidgetItem*> linii = wiz.Imprimante()->findItems(QStringLiteral("Fisier PDF"), Qt::MatchExactly);
    QCOMPARE(linii.size(), 1);
    wiz.Imprimante()->setCurrentItem(linii.first());
}

// Presses "Inainte" until the wizard closes or reaches the page, choosing on each page the
// answer given for it and skipping the measuring pages; the pages seen, in order.
QList<int> Parcurge(TPrintWiz& wiz, const TAlegeri& alegeri, int panaLa = -1)
{
    QList<int> pagini{wiz.Pagina()};
    for (int pas = 0; pas < 20 && wiz.result() == QDialog::Rejected && wiz.Pagina() != panaLa; ++pas) {
        if (alegeri.contains(wiz.Pagina()))
            wiz.Alegere(wiz.Pagina(), alegeri.value(wiz.Pagina()))->setChecked(true);
        if (wiz.Pagina() == 10 || wiz.Pagina() == 11)
            wiz.SariPeste();
        else
            wiz.Inainte();
        if (wiz.result() == QDialog::Rejected)
            pagini << wiz.Pagina();
    }
    return pagini;
}

QStringList CheiStocate()
{
    QSettings setari = DeschideSetari();
    setari.beginGroup(TAllStuffReg::Grup);
    return setari.childKeys();
}

} // namespace

class TestPrintWiz : public QObject {
    Q_OBJECT
private slots:
    void init();
    void caiDupaAlimentare_data();
    void caiDupaAlimentare();
    void inapoiLaPaginaDeIntrare();
    void renuntPePagina13();
    void inainteAsteaptaAlegerea();
    void parteaOpusaSchimbaPagina8();
    void tiparireEsuataRamanePePagina();
    void masurareaFeteiInAsistent();
    void locImagineTest();
    void foaieTestInPdf_data();
    void foaieTestInPdf();
};

void TestPrintWiz::init()
{
    AlegeImprimanta(QString());
}

void TestPrintWiz::caiDupaAlimentare_data()
{
    QTest::addColumn<TAlegeri>("alegeri");
    QTest::addColumn<QList<int>>("pagini");
    QTest::addColumn<int>("modAlimentare");
    QTest::addColumn<bool>("partiOpuse");
    const QList<int> final{5, 6, 7, 8, 9, 10, 11, 13};
    QTest::newRow("de sus") << TAlegeri{{1, 0}, {7, 1}, {9, 2}} << QList<int>{0, 1} + final << 1 << true;
    QTest::newRow("frontala") << TAlegeri{{1, 1}, {7, 0}, {9, 2}} << QList<int>{0, 1, 2} + final << 2 << false;
    QTest::newRow("interna, normala") << TAlegeri{{1, 2}, {4, 0}, {7, 0}, {9, 2}} << QList<int>{0, 1, 3, 4} + final
                                      << 4 << false;
    QTest::newRow("interna, rasturnata") << TAlegeri{{1, 2}, {4, 1}, {7, 0}, {9, 2}}
                                         << QList<int>{0, 1, 3, 4} + final << 3 << false;
}

void TestPrintWiz::caiDupaAlimentare()
{
    QFETCH(TAlegeri, alegeri);
    QFETCH(QList<int>, pagini);
    QFETCH(int, modAlimentare);
    QFETCH(bool, partiOpuse);
    TMediuTest mediu(false);
    TFisierePdfTest pdf;
    {
        TAllStuffReg setari;
        setari.MargineSusVerso = 2.5;
        setari.OglindescFata = QStringLiteral("D");
    }
    TPrintWiz wiz;
    AlegePdf(wiz);
    QCOMPARE(Parcurge(wiz, alegeri), pagini);
    QCOMPARE(wiz.result(), int(QDialog::Accepted));
    QCOMPARE(pdf.Titluri(), QStringList({"Prima sageata", "A doua sageata", "Liniile orizonala si verticala"}));

    const TAllStuffReg setari;
    QVERIFY(setari.ImprimantaConfigurata);
    QCOMPARE(setari.ModAlimentare, modAlimentare);
    QCOMPARE(setari.PartiOpuse, partiOpuse);
    QVERIFY(setari.LinieVerticalaDreapta);
    QVERIFY(setari.LinieOrizontalaJos);
    QCOMPARE(setari.NumeImprimanta, QStringLiteral("Fisier PDF"));
    QCOMPARE(setari.IndexImprimanta, wiz.Imprimante()->topLevelItemCount() - 1);
    QCOMPARE(setari.MargineSusVerso, 2.5);
    QCOMPARE(setari.OglindescFata, QStringLiteral("D"));
}

void TestPrintWiz::inapoiLaPaginaDeIntrare()
{
    TMediuTest mediu(false);
    TFisierePdfTest pdf;
    TPrintWiz wiz;
    AlegePdf(wiz);
    Parcurge(wiz, {{1, 1}}, 5);
    wiz.Inapoi();
    QCOMPARE(wiz.Pagina(), 2);
    wiz.Inapoi();
    wiz.Inapoi();
    QCOMPARE(wiz.Pagina(), 0);
    wiz.Inapoi();
    QCOMPARE(wiz.Pagina(), 0);
    // The answer given before going back is still there.
    wiz.Inainte();
    QVERIFY(wiz.Alegere(1, 1)->isChecked());
    wiz.Alegere(1, 0)->setChecked(true);
    wiz.Inainte();
    QCOMPARE(wiz.Pagina(), 5);
    wiz.Inapoi();
    QCOMPARE(wiz.Pagina(), 1);
}

void TestPrintWiz::renuntPePagina13()
{
    TMediuTest mediu(false);
    TFisierePdfTest pdf;
    TPrintWiz wiz;
    AlegePdf(wiz);
    Parcurge(wiz, {{1, 0}, {7, 0}, {9, 0}}, 13);
    QCOMPARE(wiz.Pagina(), 13);
    wiz.Renunt();
    QCOMPARE(wiz.result(), int(QDialog::Rejected));
    QCOMPARE(CheiStocate(), QStringList());
}

// No page of choices answers for the user: "Inainte" waits until one is chosen.
void TestPrintWiz::inainteAsteaptaAlegerea()
{
    TMediuTest mediu(false);
    TFisierePdfTest pdf;
    TPrintWiz wiz;
    AlegePdf(wiz);
    wiz.Inainte();
    QCOMPARE(wiz.Pagina(), 1);
    QVERIFY(!wiz.ButonInainte()->isEnabled());
    wiz.Inainte();
    QCOMPARE(wiz.Pagina(), 1);
    wiz.Alegere(1, 2)->setChecked(true);
    QVERIFY(wiz.ButonInainte()->isEnabled());
    wiz.Inainte();
    QCOMPARE(wiz.Pagina(), 3);
    QVERIFY(wiz.ButonInainte()->isEnabled());
    wiz.Inainte();
    QCOMPARE(wiz.Pagina(), 4);
    wiz.Inainte();
    QCOMPARE(wiz.Pagina(), 4);
    // Back on an answered page, the answer still lets it go on.
    wiz.Inapoi();
    wiz.Inapoi();
    QCOMPARE(wiz.Pagina(), 1);
    QVERIFY(wiz.ButonInainte()->isEnabled());
}

void TestPrintWiz::parteaOpusaSchimbaPagina8()
{
    TMediuTest mediu(false);
    TFisierePdfTest pdf;
    TPrintWiz wiz;
    AlegePdf(wiz);
    Parcurge(wiz, {{1, 0}, {7, 1}}, 8);
    QCOMPARE(wiz.TextReintroducere8()->text(),
             QStringLiteral("Reintroduceti coala de hartie in imprimanta, cu sageata HASURATA pe partea vizibila a "
                            "paginii, asa cum se vede in imaginea alaturata."));
    QVERIFY(wiz.PartiOpuse());
    wiz.Inapoi();
    wiz.Alegere(7, 0)->setChecked(true);
    wiz.Inainte();
    QCOMPARE(wiz.TextReintroducere8()->text(),
             QStringLiteral("Reintroduceti coala de hartie in imprimanta, cu sagetile pe partea vizibila a paginii, "
                            "asa cum se vede in imaginea alaturata."));
    QVERIFY(!wiz.PartiOpuse());
}

void TestPrintWiz::tiparireEsuataRamanePePagina()
{
    TMediuTest mediu(false);
    TFisierePdfTest pdf;
    TPromptTest prompt;
    TPrintWiz wiz;
    AlegePdf(wiz);
    Parcurge(wiz, {{1, 0}}, 5);

    pdf.RaspundeCu(QString());
    wiz.Inainte();
    QCOMPARE(wiz.Pagina(), 5);
    QVERIFY(prompt.Mesaje().isEmpty());

    pdf.RaspundeCu(mediu.Dosar() + QStringLiteral("/nu/exista/foaie.pdf"));
    wiz.Inainte();
    QCOMPARE(wiz.Pagina(), 5);
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Eroare).size(), 1);
    QVERIFY(prompt.Texte(TPromptTest::Fel::Eroare).first().contains(QStringLiteral("Prima sageata")));
}

// The front is measured, the back skipped: the front's margins and scales become the
// printer's correction, the back keeps what it had. A refused reading keeps the page open.
void TestPrintWiz::masurareaFeteiInAsistent()
{
    TMediuTest mediu(false);
    TFisierePdfTest pdf;
    TPromptTest prompt;
    {
        TAllStuffReg setari;
        setari.MargineSusVerso = 2.5;
    }
    TPrintWiz wiz;
    AlegePdf(wiz);
    Parcurge(wiz, {{1, 1}, {7, 0}, {9, 0}}, 10);
    QCOMPARE(wiz.Pagina(), 10);
    TPanouMasurare& panou = *wiz.Masurare(TPaginaCertificat::Fata);
    panou.ButonFoaie()->click();
    QCOMPARE(pdf.Titluri().last(), QStringLiteral("Masurarea imprimantei - fata"));
    QCOMPARE(InfoPdf(pdf.Fisiere().last(), "Page size"), QStringLiteral("841.89 x 595.276 pts (A4)"));
    if (!qEnvironmentVariableIsEmpty("PRAVENT_CAPTURI"))
        wiz.grab().save(qEnvironmentVariable("PRAVENT_CAPTURI") + "/asistent-masurare.png");

    // A 1 % longer page, 2 mm to the right: A at 20.2 + 2, B at 279.77 + 2.
    const QStringList citiri{"22,2", "19", "281,77", "189"};
    const QStringList gresite{"22,2", "19", "22,2", "189"};
    for (int i = 0; i < 4; ++i)
        panou.Citire(i)->setText(QString(gresite.at(i)).replace(',', QLocale().decimalPoint()));
    wiz.Inainte();
    QCOMPARE(wiz.Pagina(), 10);
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Avertisment).size(), 1);
    for (int i = 0; i < 4; ++i)
        panou.Citire(i)->setText(QString(citiri.at(i)).replace(',', QLocale().decimalPoint()));
    panou.ButonVerificare()->click();
    QCOMPARE(pdf.Titluri().last(), QStringLiteral("Verificarea imprimantei - fata"));
    wiz.Inainte();
    QCOMPARE(wiz.Pagina(), 11);
    wiz.SariPeste();
    QCOMPARE(wiz.Pagina(), 13);
    wiz.Inainte();
    QCOMPARE(wiz.result(), int(QDialog::Accepted));

    const TAllStuffReg setari;
    const TCorectiePagina fata = setari.Corectie(TPaginaCertificat::Fata);
    QVERIFY2(qAbs(fata.ScaraX() - 1.01) < 1e-9, qPrintable(QString::number(fata.ScaraX(), 'g', 15)));
    QVERIFY2(qAbs(fata.ScaraY() - 1.0) < 1e-9, qPrintable(QString::number(fata.ScaraY(), 'g', 15)));
    QVERIFY2(qAbs(fata.StangaMm() + 2.0) < 1e-9, qPrintable(QString::number(fata.StangaMm(), 'g', 15)));
    QVERIFY2(qAbs(fata.SusMm() - 1.0) < 1e-9, qPrintable(QString::number(fata.SusMm(), 'g', 15)));
    const TCorectiePagina spate = setari.Corectie(TPaginaCertificat::Spate);
    QCOMPARE(spate.SusMm(), 2.5);
    QCOMPARE(spate.ScaraX(), 1.0);
    QVERIFY(CheiStocate().contains("ScaraOrizontalaFata"));
    QVERIFY(!CheiStocate().contains("ScaraOrizontalaVerso"));
}

void TestPrintWiz::locImagineTest()
{
    // The reference sheet's own size places a picture at half the difference of the sizes.
    QCOMPARE(LocImagineTest({677, 1073}, {344, 661}), QRect(166, 206, 344, 661));
    // Elsewhere each edge is truncated on its own.
    QCOMPARE(LocImagineTest({1000, 2000}, {344, 661}), QRect(245, 383, 508, 1233));
}

void TestPrintWiz::foaieTestInPdf_data()
{
    QTest::addColumn<TFoaieTest>("foaie");
    QTest::addColumn<QString>("titlu");
    QTest::newRow("prima sageata") << TFoaieTest::PrimaSageata << "Prima sageata";
    QTest::newRow("a doua sageata") << TFoaieTest::ADouaSageata << "A doua sageata";
    QTest::newRow("linii") << TFoaieTest::Linii << "Liniile orizonala si verticala";
}

void TestPrintWiz::foaieTestInPdf()
{
    QFETCH(TFoaieTest, foaie);
    QFETCH(QString, titlu);
    TFisierePdfTest pdf;
    AlegeImprimanta(QStringLiteral("Fisier PDF"));
    QVERIFY(TiparesteFoaieTest(foaie));
    const QString fisier = pdf.Fisiere().value(0);
    QCOMPARE(InfoPdf(fisier, "Title"), titlu);
    QCOMPARE(InfoPdf(fisier, "Pages"), QStringLiteral("1"));
    QCOMPARE(InfoPdf(fisier, "Page size"), QStringLiteral("595.276 x 841.89 pts (A4)"));

    // Where the picture must be, in the pixels of a 100 dpi rendering of the page.
    QPrinter model(QPrinter::HighResolution);
    model.setOutputFormat(QPrinter::PdfFormat);
    SetupPrinter(model, true);
    const QRect zona = model.pageRect(QPrinter::DevicePixel).toRect();
    const QRect loc = LocImagineTest(zona.size(), MarimeImagineTest(foaie)).translated(zona.topLeft());
    const double scara = 100.0 / model.resolution();
    const QRect asteptat(qRound(loc.left() * scara), qRound(loc.top() * scara), qRound(loc.width() * scara),
                         qRound(loc.height() * scara));
    const QRect gasit = ZonaIntunecata(PaginaPdf(fisier, 100));
    QVERIFY2(qAbs(gasit.left() - asteptat.left()) <= 2 && qAbs(gasit.top() - asteptat.top()) <= 2
                 && qAbs(gasit.right() - asteptat.right()) <= 2 && qAbs(gasit.bottom() - asteptat.bottom()) <= 2,
             qPrintable(QStringLiteral("found %1,%2 %3x%4, expected %5,%6 %7x%8")
                            .arg(gasit.x()).arg(gasit.y()).arg(gasit.width()).arg(gasit.height())
                            .arg(asteptat.x()).arg(asteptat.y()).arg(asteptat.width()).arg(asteptat.height())));
}

QTEST_MAIN(TestPrintWiz)
#include "tst_printwiz.moc"
