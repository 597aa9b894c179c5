#include "base/infoglobal2005.h"
#include "forms/formulardeprintat.h"
#include "certificat/particularizaretextarea.h"
#include "print/allstuffreg.h"
#include "print/printpraventform.h"
#include "support/cuvintepdf.h"
#include "support/elevcomplet.h"
#include "support/fisierpdftest.h"
#include "support/mediutest.h"
#include "support/procestest.h"

#include <QtTest>
#include <qpdf/QPDF.hh>

namespace {

const double LatimeA4 = 297;
const double InaltimeA4 = 210;
const double Toleranta = 0.3;

// Corrections of the print settings: front left and top, back left and top.
const double StangaFata = 0.7, SusFata = -0.4, StangaVerso = 1.2, SusVerso = 0.5;

// A text and the area it must be printed in, on the front (0) or the back (1).
struct TTextAsteptat {
    int Pagina;
    int Arie;
    QString Text;
};

// Single words, so that each one is a whole word of the PDF.
const QList<TTextAsteptat> TexteAsteptate{
    {0, 1, "POPESCU"}, {0, 17, "3"},       {0, 84, "Dra."},      {0, 6, "Brasov"}, {0, 25, "iunie"},
    {1, 70, "9,50"},   {1, 74, "7,25"},    {1, 8, "8,69"},       {1, 92, "Sacele"}, {1, 93, "Brasov"},
};

QString Cuvinte(const QList<TCuvantPdf>& cuvinte)
{
    QStringList texte;
    for (const TCuvantPdf& c : cuvinte)
        texte << c.Text;
    return texte.join(u' ');
}

// The viewer's print scaling a PDF asks for, read from its catalogue.
std::string ScalareLaTiparire(const QString& pdf)
{
    QPDF document;
    document.processFile(QFile::encodeName(pdf).constData());
    QPDFObjectHandle preferinte = document.getRoot().getKey("/ViewerPreferences");
    return preferinte.isDictionary() ? preferinte.getKey("/PrintScaling").unparse() : std::string();
}

// The word with this text whose centre lies nearest to a point.
const TCuvantPdf* CelMaiAproape(const QList<TCuvantPdf>& cuvinte, const QString& text, QPointF punct)
{
    const TCuvantPdf* gasit = nullptr;
    for (const TCuvantPdf& c : cuvinte)
        if (c.Text == text
            && (!gasit || QLineF(c.Cutie.center(), punct).length() < QLineF(gasit->Cutie.center(), punct).length()))
            gasit = &c;
    return gasit;
}

} // namespace

class TestCertificatPdf : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ambelePaginiLaLocurileLor();
    void sesiuneaIntreagaPeToatePartile();
    void oglinditeSuntIntoarseInJurulCentrului();
    void oSinguraPagina_data();
    void oSinguraPagina();
    void eroriFaraFisier();
    void probaFaraAfisaj();

private:
    TRezultatProces RuleazaPravent(const QStringList& argumente) const;
    // The margin corrections of both sides and their mirror choice, in the print settings.
    static void SeteazaCorecturile(const QString& oglindesc);
    // Both sides of the pupil's certificate, with the mirror choice of both pages.
    QList<QList<TCuvantPdf>> TiparesteAmbele(const QString& oglindesc);
    // Where an area's word must lie on unmirrored paper; empty when it does not.
    QString VerificaLocul(const QList<TCuvantPdf>& cuvinte, const TTextAsteptat& asteptat) const;
    // Where an area lies on unmirrored paper, with the page's and the print settings' corrections.
    QRectF CutiePeHartie(int pagina, int numar) const;

    std::unique_ptr<TMediuTest> m_mediu;
    std::unique_ptr<TPrintPraventForm> m_formular;
    int m_idElev = -1;
};

void TestCertificatPdf::init()
{
    m_mediu = std::make_unique<TMediuTest>();
    UitaListaParticularizari();
    m_idElev = AdaugaElevComplet(m_mediu->PornesteDM());
    // The program opens the database itself.
    m_mediu->OpresteDM();
    {
        TInfoGlobal2005 optiuni;
        optiuni.setNotaDiploma(QStringLiteral("NOTA/LITERE"));
        optiuni.setMedieDiploma(QStringLiteral("NOTA/LITERE"));
    }
    m_formular = std::make_unique<TPrintPraventForm>();
}

void TestCertificatPdf::cleanup()
{
    m_formular.reset();
    UitaListaParticularizari();
    m_mediu.reset();
}

TRezultatProces TestCertificatPdf::RuleazaPravent(const QStringList& argumente) const
{
    return RuleazaProgramul(argumente, m_mediu->Dosar());
}

void TestCertificatPdf::SeteazaCorecturile(const QString& oglindesc)
{
    TAllStuffReg setari;
    setari.MargineStangaFata = StangaFata;
    setari.MargineSusFata = SusFata;
    setari.MargineStangaVerso = StangaVerso;
    setari.MargineSusVerso = SusVerso;
    setari.OglindescFata = oglindesc;
    setari.OglindescVerso = oglindesc;
}

QList<QList<TCuvantPdf>> TestCertificatPdf::TiparesteAmbele(const QString& oglindesc)
{
    SeteazaCorecturile(oglindesc);
    const QString pdf = m_mediu->Dosar() + "/certificat-" + oglindesc + ".pdf";
    const TRezultatProces rezultat =
        RuleazaPravent({"--print-pdf", pdf, "--pupil", QString::number(m_idElev), "--page", "ambele"});
    if (rezultat.CodIesire != 0)
        qWarning("%s", qPrintable(rezultat.Erori));
    return rezultat.CodIesire == 0 ? CuvintePePagini(pdf) : QList<QList<TCuvantPdf>>{};
}

QRectF TestCertificatPdf::CutiePeHartie(int pagina, int numar) const
{
    const TFormularDePrintat& formular = pagina == 0 ? *m_formular->Fata() : *m_formular->Spate();
    const TFormularTextArea& arie = *formular.FindAreaByNumber(numar);
    return QRectF(arie.LeftMm() + formular.DeltaStanga() + (pagina == 0 ? StangaFata : StangaVerso),
                  arie.TopMm() + formular.DeltaSus() + (pagina == 0 ? SusFata : SusVerso), arie.WidthMm(),
                  arie.HeightMm());
}

QString TestCertificatPdf::VerificaLocul(const QList<TCuvantPdf>& cuvinte, const TTextAsteptat& asteptat) const
{
    const TFormularDePrintat& pagina = asteptat.Pagina == 0 ? *m_formular->Fata() : *m_formular->Spate();
    const TFormularTextArea& arie = *pagina.FindAreaByNumber(asteptat.Arie);
    const QRectF cutie = CutiePeHartie(asteptat.Pagina, asteptat.Arie);
    const double stanga = cutie.left();
    const double sus = cutie.top();
    const bool centrat = arie.Alignment() == TFormularTextArea::Centru;
    const double x = centrat ? stanga + arie.WidthMm() / 2 : stanga;
    const TCuvantPdf* cuvant = CelMaiAproape(cuvinte, asteptat.Text, {x, sus + arie.HeightMm() / 2});
    if (!cuvant)
        return QString("%1 lipseste: %2").arg(asteptat.Text, Cuvinte(cuvinte));
    const double gasitX = centrat ? cuvant->Cutie.center().x() : cuvant->Cutie.left();
    if (qAbs(gasitX - x) > Toleranta || cuvant->Cutie.top() < sus - Toleranta
        || cuvant->Cutie.bottom() > sus + arie.HeightMm() + Toleranta)
        return QString("%1 (aria %2) la x %3, y %4-%5; asteptat x %6, y %7-%8")
            .arg(asteptat.Text).arg(asteptat.Arie).arg(gasitX).arg(cuvant->Cutie.top()).arg(cuvant->Cutie.bottom())
            .arg(x).arg(sus).arg(sus + arie.HeightMm());
    return QString();
}

void TestCertificatPdf::ambelePaginiLaLocurileLor()
{
    const QList<QList<TCuvantPdf>> pagini = TiparesteAmbele("N");
    QCOMPARE(pagini.size(), 2);
    for (const TTextAsteptat& asteptat : TexteAsteptate) {
        const QString eroare = VerificaLocul(pagini.at(asteptat.Pagina), asteptat);
        QVERIFY2(eroare.isEmpty(), qPrintable(eroare));
    }
    const QString fata = Cuvinte(pagini.at(0));
    const QString spate = Cuvinte(pagini.at(1));
    QVERIFY2(fata.contains("POPESCU ANA MARIA"), qPrintable(fata));
    QVERIFY2(fata.contains("Scoala Gimnaziala Nr. 5"), qPrintable(fata));
    QVERIFY2(spate.contains("Istorie"), qPrintable(spate));
    QVERIFY2(!spate.contains("POPESCU"), qPrintable(spate));
    // No area is left with its number.
    QVERIFY2(!fata.contains('<') && !spate.contains('<'), qPrintable(fata + " / " + spate));
}

// The session is typed as a whole ("iunie 2026"): its year must print whole on the
// counterfoil and on the certificate, front and back, inside the area's own box.
void TestCertificatPdf::sesiuneaIntreagaPeToatePartile()
{
    const QList<QList<TCuvantPdf>> pagini = TiparesteAmbele("N");
    QCOMPARE(pagini.size(), 2);
    const struct {
        int Pagina;
        int Arie;
    } arii[] = {{0, 25}, {0, 51}, {1, 61}, {1, 35}};
    for (const auto& a : arii) {
        const QRectF cutie = CutiePeHartie(a.Pagina, a.Arie);
        const TCuvantPdf* an = CelMaiAproape(pagini.at(a.Pagina), "2026", cutie.center());
        QVERIFY2(an, qPrintable(QString("aria %1: %2").arg(a.Arie).arg(Cuvinte(pagini.at(a.Pagina)))));
        QVERIFY2(cutie.adjusted(-Toleranta, -Toleranta, Toleranta, Toleranta).contains(an->Cutie),
                 qPrintable(QString("aria %1: 2026 la %2,%3").arg(a.Arie).arg(an->Cutie.left()).arg(an->Cutie.top())));
    }
}

void TestCertificatPdf::oglinditeSuntIntoarseInJurulCentrului()
{
    const QList<QList<TCuvantPdf>> drepte = TiparesteAmbele("N");
    const QList<QList<TCuvantPdf>> intoarse = TiparesteAmbele("D");
    QCOMPARE(intoarse.size(), 2);
    for (const TTextAsteptat& asteptat : TexteAsteptate) {
        const QList<TCuvantPdf>& dreapta = drepte.at(asteptat.Pagina);
        const QList<TCuvantPdf>& intoarsa = intoarse.at(asteptat.Pagina);
        const TCuvantPdf* cuvant = CelMaiAproape(dreapta, asteptat.Text, QPointF());
        QVERIFY2(cuvant, qPrintable(asteptat.Text));
        // Of equal words (the digits of a code) any one will do: its mirror image must be there.
        const QPointF oglinda(LatimeA4 - cuvant->Cutie.center().x(), InaltimeA4 - cuvant->Cutie.center().y());
        const TCuvantPdf* imagine = CelMaiAproape(intoarsa, asteptat.Text, oglinda);
        QVERIFY2(imagine, qPrintable(asteptat.Text + ": " + Cuvinte(intoarsa)));
        QVERIFY2(QLineF(imagine->Cutie.center(), oglinda).length() <= Toleranta,
                 qPrintable(QString("%1 la %2,%3 in loc de %4,%5")
                                .arg(asteptat.Text)
                                .arg(imagine->Cutie.center().x())
                                .arg(imagine->Cutie.center().y())
                                .arg(oglinda.x())
                                .arg(oglinda.y())));
    }
}

void TestCertificatPdf::oSinguraPagina_data()
{
    QTest::addColumn<QString>("pagina");
    QTest::addColumn<QString>("prezent");
    QTest::addColumn<QString>("absent");
    QTest::newRow("fata") << "fata" << "POPESCU" << "Istorie";
    QTest::newRow("spate") << "spate" << "Istorie" << "POPESCU";
}

void TestCertificatPdf::oSinguraPagina()
{
    QFETCH(QString, pagina);
    QFETCH(QString, prezent);
    QFETCH(QString, absent);
    const QString pdf = m_mediu->Dosar() + "/" + pagina + ".pdf";
    const TRezultatProces rezultat = RuleazaPravent({"--print-pdf", pdf, "--pupil", QString::number(m_idElev), "--page", pagina});
    QVERIFY2(rezultat.CodIesire == 0, qPrintable(rezultat.Erori));
    QCOMPARE(InfoPdf(pdf, "Pages"), QString("1"));
    QVERIFY2(InfoPdf(pdf, "Page size").startsWith("841.89 x 595.276"), qPrintable(InfoPdf(pdf, "Page size")));
    QVERIFY2(InfoPdf(pdf, "Page size").contains("(A4)"), qPrintable(InfoPdf(pdf, "Page size")));
    QCOMPARE(ScalareLaTiparire(pdf), std::string("/None"));
    const QString text = Cuvinte(CuvintePePagini(pdf).value(0));
    QVERIFY2(text.contains(prezent) && !text.contains(absent), qPrintable(text));
}

void TestCertificatPdf::eroriFaraFisier()
{
    const QString pdf = m_mediu->Dosar() + "/nimeni.pdf";
    const TRezultatProces rezultat =
        RuleazaPravent({"--print-pdf", pdf, "--pupil", QString::number(m_idElev + 100), "--page", "ambele"});
    QVERIFY(rezultat.CodIesire > 0);
    QVERIFY2(rezultat.Erori.contains(QString("Elevul %1 nu exista.").arg(m_idElev + 100)), qPrintable(rezultat.Erori));
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(RuleazaPravent({"--print-pdf", pdf, "--pupil", QString::number(m_idElev), "--page", "verso"}).CodIesire > 0);
    QVERIFY(!QFile::exists(pdf));
    const QString faraDosar = m_mediu->Dosar() + "/nu/exista.pdf";
    const TRezultatProces nescris = RuleazaPravent({"--print-pdf", faraDosar, "--pupil", QString::number(m_idElev)});
    QVERIFY(nescris.CodIesire > 0);
    QVERIFY2(nescris.Erori.contains("nu poate fi scris"), qPrintable(nescris.Erori));
}

// With no display and no platform chosen by the user, a proof still comes out: the same
// words, with the card's scan as the one picture of its page.
void TestCertificatPdf::probaFaraAfisaj()
{
    QProcessEnvironment mediu = MediuProgram(m_mediu->Dosar());
    for (const char* variabila : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        mediu.remove(variabila);
    SeteazaCorecturile("N");
    const QString pdf = m_mediu->Dosar() + "/proba.pdf";
    const TRezultatProces rezultat = RuleazaProces(
        PRAVENT_EXECUTABLE, {"--print-pdf", pdf, "--pupil", QString::number(m_idElev), "--page", "fata", "--proof"},
        mediu);
    QVERIFY2(rezultat.CodIesire == 0, qPrintable(rezultat.Erori));
    QCOMPARE(ScalareLaTiparire(pdf), std::string("/None"));
    const TRezultatProces imagini = RuleazaProces("pdfimages", {"-list", pdf}, QProcessEnvironment::systemEnvironment());
    const QStringList linii = imagini.Iesire.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(linii.size(), 3); // two heading lines, one picture
    QVERIFY2(linii.at(2).simplified().startsWith("1 0 image"), qPrintable(imagini.Iesire));
    const QList<QList<TCuvantPdf>> pagini = CuvintePePagini(pdf);
    QCOMPARE(pagini.size(), 1);
    for (const TTextAsteptat& asteptat : TexteAsteptate) {
        if (asteptat.Pagina != 0)
            continue;
        const QString eroare = VerificaLocul(pagini.at(0), asteptat);
        QVERIFY2(eroare.isEmpty(), qPrintable(eroare));
    }
}

QTEST_MAIN(TestCertificatPdf)
#include "tst_certificatpdf.moc"
