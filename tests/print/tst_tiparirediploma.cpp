#include "forms/formulardeprintat.h"
#include "forms/formulartextarea.h"
#include "certificat/particularizaretextarea.h"
#include "print/allstuffreg.h"
#include "print/imprimantacurenta.h"
#include "print/insertpaperform.h"
#include "print/printpraventform.h"
#include "support/fisierpdftest.h"
#include "support/mediutest.h"
#include "support/prompttest.h"
#include "support/virgulazecimala.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

const double LatimeA4 = 297;
const double InaltimeA4 = 210;
const double Toleranta = 0.3;

using TActiunePrompt = std::function<void(TInsertPaperForm&)>;

// Presses "Tipareste" (or another button of the tool strip) on a tab and, once the
// insert-paper prompt is open, does with it what the user would.
void Tipareste(TPrintPraventForm& formular, int tab, const TActiunePrompt& actiune, QPushButton* buton = nullptr)
{
    formular.Taburi()->setCurrentIndex(tab);
    QTimer::singleShot(0, [actiune] { actiune(TInsertPaperForm::Instanta()); });
    (buton ? buton : formular.ButonTipareste())->click();
}

void ApasaOk(TInsertPaperForm& prompt)
{
    prompt.Ok();
}

// Where a word printed unmirrored in an area should sit: its horizontal centre (or left
// edge for a left-aligned area) and its bottom, in millimetres on the paper.
QPointF LocAsteptat(const TFormularDePrintat& pagina, int numar, double stanga, double sus)
{
    const TFormularTextArea& area = *pagina.FindAreaByNumber(numar);
    const double x = area.LeftMm() + stanga + pagina.DeltaStanga();
    return {area.Alignment() == TFormularTextArea::Centru ? x + area.WidthMm() / 2 : x,
            area.TopMm() + sus + pagina.DeltaSus() + area.HeightMm()};
}

} // namespace

class TestTiparireDiploma : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void spatePrintatSingur();
    void probaPeHartieSimpla();
    void neconfiguratNuTipareste();
    void renuntPastreazaMargineaSiOglinda();
    void margineNegativaCuVirgula();
    void eroareaLaTiparireScrieSetarile();

private:
    // A calibrated printer with these margins and mirror choices.
    void Configureaza(double stangaFata, double susFata, double stangaVerso, double susVerso,
                      const QString& oglindescVerso);

    std::unique_ptr<TMediuTest> m_mediu;
    std::unique_ptr<TPromptTest> m_mesaje;
    std::unique_ptr<TFisierePdfTest> m_pdf;
    std::unique_ptr<TPrintPraventForm> m_formular;
};

void TestTiparireDiploma::init()
{
    m_mediu = std::make_unique<TMediuTest>(false);
    UitaListaParticularizari();
    m_mesaje = std::make_unique<TPromptTest>();
    m_pdf = std::make_unique<TFisierePdfTest>();
    AlegeImprimanta(NumeImprimantaPdf());
    m_formular = std::make_unique<TPrintPraventForm>();
    m_formular->Fata()->FindAreaByNumber(36)->SetText(QStringLiteral("POPESCU"));
    m_formular->Spate()->FindAreaByNumber(57)->SetText(QStringLiteral("GIMNAZIALA"));
}

void TestTiparireDiploma::cleanup()
{
    m_formular.reset();
    AlegeImprimanta(QString());
    m_pdf.reset();
    m_mesaje.reset();
    UitaListaParticularizari();
    m_mediu.reset();
}

void TestTiparireDiploma::Configureaza(double stangaFata, double susFata, double stangaVerso, double susVerso,
                                       const QString& oglindescVerso)
{
    TAllStuffReg setari;
    setari.ImprimantaConfigurata = true;
    setari.ModAlimentare = 2;
    setari.MargineStangaFata = stangaFata;
    setari.MargineSusFata = susFata;
    setari.MargineStangaVerso = stangaVerso;
    setari.MargineSusVerso = susVerso;
    setari.OglindescFata = QStringLiteral("N");
    setari.OglindescVerso = oglindescVerso;
}

void TestTiparireDiploma::spatePrintatSingur()
{
    Configureaza(0, 0, 2, -1.5, QStringLiteral("D"));
    QString titlu, stanga, sus;
    bool oglinda = false;
    Tipareste(*m_formular, 1, [&](TInsertPaperForm& prompt) {
        titlu = prompt.windowTitle();
        stanga = prompt.MargineStanga()->text();
        sus = prompt.MargineSus()->text();
        oglinda = prompt.Oglinda()->isChecked();
        prompt.Ok();
    });
    QCOMPARE(titlu, QStringLiteral("(3)"));
    QCOMPARE(stanga, QStringLiteral("2"));
    QCOMPARE(sus, QStringLiteral("-1.5"));
    QVERIFY(oglinda);
    QVERIFY(m_mesaje->Mesaje().isEmpty());
    const QStringList verso{QStringLiteral("Diploma de examen national - verso")};
    QCOMPARE(m_pdf->Titluri(), verso);
    const QString fisier = m_pdf->Fisiere().value(0);
    QCOMPARE(InfoPdf(fisier, QStringLiteral("Title")), verso.value(0));
    QCOMPARE(InfoPdf(fisier, QStringLiteral("Pages")), QStringLiteral("1"));
    QCOMPARE(InfoPdf(fisier, QStringLiteral("Page size")), QStringLiteral("841.89 x 595.276 pts (A4)"));

    const QMap<QString, QRectF> cuvinte = CuvinteDinPdf(fisier);
    QCOMPARE(cuvinte.keys(), QStringList{QStringLiteral("GIMNAZIALA")});
    // Mirrored: turned by half a turn about the centre of the paper.
    const QPointF asteptat = LocAsteptat(*m_formular->Spate(), 57, 2, -1.5);
    const QRectF gasit = cuvinte.value(QStringLiteral("GIMNAZIALA"));
    QVERIFY2(qAbs(gasit.center().x() - (LatimeA4 - asteptat.x())) <= Toleranta, qPrintable(QString::number(gasit.center().x())));
    QVERIFY2(qAbs(gasit.top() - (InaltimeA4 - asteptat.y())) <= Toleranta, qPrintable(QString::number(gasit.top())));
}

// The proof prints the same words at the same places, over the blank card's scan.
void TestTiparireDiploma::probaPeHartieSimpla()
{
    Configureaza(1, 0.5, 0, 0, QStringLiteral("N"));
    Tipareste(*m_formular, 0, ApasaOk, m_formular->ButonProba());
    QVERIFY(m_mesaje->Mesaje().isEmpty());
    const QString fisier = m_pdf->Fisiere().value(0);
    QProcess pdfimages;
    pdfimages.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), fisier});
    QVERIFY(pdfimages.waitForFinished());
    const QStringList imagini = QString::fromUtf8(pdfimages.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(imagini.size(), 3); // two heading lines, one picture
    const QRectF gasit = CuvinteDinPdf(fisier).value(QStringLiteral("POPESCU"));
    const QPointF asteptat = LocAsteptat(*m_formular->Fata(), 36, 1, 0.5);
    const bool centrat = m_formular->Fata()->FindAreaByNumber(36)->Alignment() == TFormularTextArea::Centru;
    const double x = centrat ? gasit.center().x() : gasit.left();
    QVERIFY2(qAbs(x - asteptat.x()) <= Toleranta, qPrintable(QString::number(x)));
    QVERIFY2(gasit.bottom() <= asteptat.y() + Toleranta, qPrintable(QString::number(gasit.bottom())));
}

void TestTiparireDiploma::neconfiguratNuTipareste()
{
    {
        TAllStuffReg setari;
        setari.MargineStangaFata = 4;
    }
    m_formular->ButonTipareste()->click();
    QCOMPARE(m_mesaje->Texte(TPromptTest::Fel::Informatie), QStringList{QStringLiteral("Configureaza imprimanta")});
    QVERIFY(m_pdf->Titluri().isEmpty());
    QVERIFY(!TInsertPaperForm::Instanta().isVisible());
    QVERIFY(!TAllStuffReg::Curent());
    // The settings were read and written back as they were.
    const TAllStuffReg setari;
    QVERIFY(!setari.ImprimantaConfigurata);
    QCOMPARE(setari.MargineStangaFata, 4.0);
}

void TestTiparireDiploma::renuntPastreazaMargineaSiOglinda()
{
    Configureaza(1.5, 0.5, 0, 0, QStringLiteral("*"));
    Tipareste(*m_formular, 0, [](TInsertPaperForm& prompt) {
        prompt.MargineStanga()->setText(QStringLiteral("7"));
        prompt.Oglinda()->click();
        prompt.Renunt();
    });
    QVERIFY(m_pdf->Titluri().isEmpty());
    QVERIFY(m_mesaje->Mesaje().isEmpty());
    const TAllStuffReg setari;
    QCOMPARE(setari.MargineStangaFata, 1.5);
    QCOMPARE(setari.MargineSusFata, 0.5);
    QCOMPARE(setari.OglindescFata, QStringLiteral("D"));
    QCOMPARE(setari.OglindescVerso, QStringLiteral("*"));
}

void TestTiparireDiploma::margineNegativaCuVirgula()
{
    TVirgulaZecimala virgula;
    Configureaza(0, 0, 0, 0, QStringLiteral("*"));
    Tipareste(*m_formular, 0, ApasaOk);
    Tipareste(*m_formular, 0, [](TInsertPaperForm& prompt) {
        prompt.MargineStanga()->setText(QStringLiteral("-0,5"));
        prompt.MargineSus()->setText(QStringLiteral("-0,5"));
        prompt.Ok();
    });
    QVERIFY(m_mesaje->Mesaje().isEmpty());
    QCOMPARE(m_pdf->Fisiere().size(), 2);
    const QRectF inainte = CuvinteDinPdf(m_pdf->Fisiere().value(0)).value(QStringLiteral("POPESCU"));
    const QRectF dupa = CuvinteDinPdf(m_pdf->Fisiere().value(1)).value(QStringLiteral("POPESCU"));
    QVERIFY(!inainte.isEmpty());
    QVERIFY2(qAbs(dupa.left() - (inainte.left() - 0.5)) <= 0.05, qPrintable(QString::number(dupa.left() - inainte.left())));
    QVERIFY2(qAbs(dupa.top() - (inainte.top() - 0.5)) <= 0.05, qPrintable(QString::number(dupa.top() - inainte.top())));
    const TAllStuffReg setari;
    QCOMPARE(setari.MargineStangaFata, -0.5);
    QCOMPARE(setari.MargineSusFata, -0.5);
}

void TestTiparireDiploma::eroareaLaTiparireScrieSetarile()
{
    Configureaza(0, 0, 0, 0, QStringLiteral("*"));
    m_pdf->RaspundeCu(m_mediu->Dosar() + QStringLiteral("/nu/exista/diploma.pdf"));
    Tipareste(*m_formular, 1, [](TInsertPaperForm& prompt) {
        prompt.MargineStanga()->setText(QStringLiteral("1.25"));
        prompt.Ok();
    });
    QCOMPARE(m_mesaje->Texte(TPromptTest::Fel::Eroare).size(), 1);
    QVERIFY(!QFile::exists(m_pdf->Fisiere().value(0)));
    QVERIFY(!TAllStuffReg::Curent());
    const TAllStuffReg setari;
    QCOMPARE(setari.MargineStangaVerso, 1.25);
    QCOMPARE(setari.OglindescVerso, QStringLiteral("D"));
}

QTEST_MAIN(TestTiparireDiploma)
#include "tst_tiparirediploma.moc"
