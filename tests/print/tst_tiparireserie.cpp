#include "base/infoglobal2005.h"
#include "forms/formulardeprintat.h"
#include "forms/formulartextarea.h"
#include "certificat/particularizaretextarea.h"
#include "print/allstuffreg.h"
#include "print/handlerpravent.h"
#include "print/imprimantacurenta.h"
#include "print/insertpaperform.h"
#include "print/numerotarediploma.h"
#include "print/printpraventform.h"
#include "print/progresserie.h"
#include "print/registrareserie.h"
#include "print/tiparireinserie.h"
#include "print/tiparireserie.h"
#include "print/verificareelevi.h"
#include "support/cuvintepdf.h"
#include "support/datetest.h"
#include "support/dialogmodal.h"
#include "support/elevcomplet.h"
#include "support/fisierpdftest.h"
#include "support/mediutest.h"
#include "support/procestest.h"
#include "support/prompttest.h"

#include <QPushButton>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

const double LatimeA4 = 297;
const double InaltimeA4 = 210;
const double Toleranta = 0.3;
// The counterfoil's name on the front and the digits of its Romanian mark on the back.
const int ArieNume = 1;
const int ArieNotaRomana = 104;

struct TElevTest {
    QString Nume;
    QString Prenume;
    QString Cnp;
    QString NotaRomana;
};

const QList<TElevTest> Clasa{
    {"ALBU", "ANCA", "2960523123459", "9,50"},
    {"BARBU", "DAN", "1960115123452", "8,25"},
    {"CIOBANU", "ELENA", "5050301123455", "6,75"},
};

int AdaugaElev(TDM& dm, const TElevTest& elev)
{
    const int id = AdaugaInregistrare(dm, QStringLiteral("ELEVI"));
    const QMap<QString, QString> valori{
        {"PV.FATA.C_NUME", elev.Nume},
        {"PV.FATA.C_PRENUME", elev.Prenume},
        {"PV.FATA.D_NUME", elev.Nume + u' ' + elev.Prenume},
        {"PV.FATA.C_CNP", elev.Cnp},
        {"PV.SPATE.C_LB_ROMANA", elev.NotaRomana},
        {"PV.SPATE.C_MATEMATICA", "7,25"},
        {"PV.SPATE.C_MEDIA_GEN", "8,00"},
    };
    for (auto it = valori.cbegin(); it != valori.cend(); ++it)
        ScrieValoare(dm, QStringLiteral("ELEVI"), id, it.key(), it.value());
    return id;
}

void AdaugaScoala(TDM& dm)
{
    const int id = AdaugaInregistrare(dm, QStringLiteral("SCOALA"));
    for (auto it = ValoriScoala().cbegin(); it != ValoriScoala().cend(); ++it)
        ScrieValoare(dm, QStringLiteral("SCOALA"), id, it.key(), it.value());
}

// Answers every insert-paper prompt that opens, counting them.
class TRaspunsPrompt {
public:
    explicit TRaspunsPrompt(std::function<void(TInsertPaperForm&)> actiune = [](TInsertPaperForm& p) { p.Ok(); })
    {
        QObject::connect(&m_ceas, &QTimer::timeout, [this, actiune] {
            TInsertPaperForm& prompt = TInsertPaperForm::Instanta();
            if (!prompt.isVisible())
                return;
            ++Deschideri;
            NumarDiplome = prompt.NumarDiplome()->isVisibleTo(&prompt) ? prompt.NumarDiplome()->text() : QString();
            actiune(prompt);
        });
        m_ceas.start(5);
    }
    int Deschideri = 0;
    QString NumarDiplome;

private:
    QTimer m_ceas;
};

// Goes on until certificate `Opreste`, remembering what it was told.
class TProgresScriptat : public TProgresSerie {
public:
    bool Continua(int numar, int total) override
    {
        Apeluri << QStringLiteral("%1/%2").arg(numar).arg(total);
        return numar != Opreste;
    }
    int Opreste = -1;
    QStringList Apeluri;
};

// Where the word of an area sits on the paper: horizontal centre and bottom unmirrored,
// turned about the paper's centre when mirrored (then the bottom becomes the top).
QPointF LocAsteptat(const TFormularDePrintat& pagina, int numar, const TPaginaDeTiparit& p)
{
    const TFormularTextArea& area = *pagina.FindAreaByNumber(numar);
    const QPointF loc(area.LeftMm() + p.Stanga + pagina.DeltaStanga() + area.WidthMm() / 2,
                      area.TopMm() + p.Sus + pagina.DeltaSus() + area.HeightMm());
    return p.Oglinda ? QPointF(LatimeA4 - loc.x(), InaltimeA4 - loc.y()) : loc;
}

// Whether the page holds the word at that place.
bool CuvantLa(const QList<TCuvantPdf>& pagina, const QString& text, const QPointF& loc, bool oglinda)
{
    for (const TCuvantPdf& cuvant : pagina) {
        const QPointF gasit(cuvant.Cutie.center().x(), oglinda ? cuvant.Cutie.top() : cuvant.Cutie.bottom());
        if (cuvant.Text == text && qAbs(gasit.x() - loc.x()) <= Toleranta && qAbs(gasit.y() - loc.y()) <= Toleranta)
            return true;
    }
    return false;
}

bool PeContine(const QList<TCuvantPdf>& pagina, const QString& text)
{
    return std::any_of(pagina.cbegin(), pagina.cend(), [&](const TCuvantPdf& c) { return c.Text == text; });
}

} // namespace

class TestTiparireSerie : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fataInOrdineaListeiSiInversa();
    void spateleCuMargineleSiOglindaLui();
    void verificareaGasesteDateleGresite();
    void dialogulPuneProblemeleIntaiSiNuLeTipareste();
    void elevulCareEsueazaIncheieDocumentul();
    void renuntDupaPrimaPagina();
    void progresulArataDiplomaCurenta();
    void registrulAnuleazaCartoaneleStricateSiIntreabaLaReluare();
    void fataUnuiElevDinPrevizualizareSeInregistreaza();
    void documentulNeincheiatAnuleazaCartoanele();
    void numarulDeDiplome_data();
    void numarulDeDiplome();
    void linieDeComandaMaiMultiElevi();
    void linieDeComandaVerificare();

private:
    // A calibrated printer into PDF files with these corrections.
    void Configureaza(double stangaVerso, double susVerso, const QString& oglindescVerso);
    TLiniiAfisate Linii(const QList<int>& ordine) const;
    // Prints one side for the pupils and returns the words of each page.
    QList<QList<TCuvantPdf>> TiparesteClasa(const TLiniiAfisate& elevi, TPaginaCertificat pagina, TRezultatSerie& rezultat,
                                           TProgresScriptat& progres);
    // Checks that page i shows pupil ordine[i] (its name on the front or its mark on the back).
    void VerificaPaginile(const QList<QList<TCuvantPdf>>& pagini, const QList<int>& ordine, int indexPagina,
                          const TPaginaDeTiparit& corectii);

    std::unique_ptr<TMediuTest> m_mediu;
    std::unique_ptr<TPromptTest> m_mesaje;
    std::unique_ptr<TFisierePdfTest> m_pdf;
    std::unique_ptr<TPrintPraventForm> m_formular;
    QList<int> m_id;
};

void TestTiparireSerie::init()
{
    m_mediu = std::make_unique<TMediuTest>();
    UitaListaParticularizari();
    TDM& dm = m_mediu->PornesteDM();
    AdaugaScoala(dm);
    m_id.clear();
    for (const TElevTest& elev : Clasa)
        m_id << AdaugaElev(dm, elev);
    TInfoGlobal2005 optiuni;
    optiuni.setNotaCotor(QStringLiteral("NOTA/LITERE"));
    m_mesaje = std::make_unique<TPromptTest>();
    m_pdf = std::make_unique<TFisierePdfTest>();
    AlegeImprimanta(NumeImprimantaPdf());
    m_formular = std::make_unique<TPrintPraventForm>();
    Configureaza(0, 0, QStringLiteral("N"));
}

void TestTiparireSerie::cleanup()
{
    m_formular.reset();
    AlegeImprimanta(QString());
    m_pdf.reset();
    m_mesaje.reset();
    UitaListaParticularizari();
    m_mediu.reset();
}

void TestTiparireSerie::Configureaza(double stangaVerso, double susVerso, const QString& oglindescVerso)
{
    TAllStuffReg setari;
    setari.ImprimantaConfigurata = true;
    setari.ModAlimentare = 2;
    setari.MargineStangaFata = 0.5;
    setari.MargineSusFata = -0.5;
    setari.MargineStangaVerso = stangaVerso;
    setari.MargineSusVerso = susVerso;
    setari.OglindescFata = QStringLiteral("N");
    setari.OglindescVerso = oglindescVerso;
}

TLiniiAfisate TestTiparireSerie::Linii(const QList<int>& ordine) const
{
    TLiniiAfisate linii;
    for (const int i : ordine)
        linii.push_back({m_id.at(i), Clasa.at(i).Nume + u' ' + Clasa.at(i).Prenume});
    return linii;
}

QList<QList<TCuvantPdf>> TestTiparireSerie::TiparesteClasa(const TLiniiAfisate& elevi, TPaginaCertificat pagina,
                                                          TRezultatSerie& rezultat, TProgresScriptat& progres)
{
    const int documente = m_pdf->Fisiere().size();
    rezultat = TiparesteSeria(elevi, pagina, progres);
    if (m_pdf->Fisiere().size() != documente + 1)
        return {};
    return CuvintePePagini(m_pdf->Fisiere().last());
}

void TestTiparireSerie::VerificaPaginile(const QList<QList<TCuvantPdf>>& pagini, const QList<int>& ordine,
                                         int indexPagina, const TPaginaDeTiparit& corectii)
{
    QCOMPARE(pagini.size(), ordine.size());
    const TFormularDePrintat& pagina = indexPagina == 0 ? *m_formular->Fata() : *m_formular->Spate();
    const QPointF loc = LocAsteptat(pagina, indexPagina == 0 ? ArieNume : ArieNotaRomana, corectii);
    for (int i = 0; i < ordine.size(); ++i) {
        for (int alt = 0; alt < Clasa.size(); ++alt) {
            const TElevTest& elev = Clasa.at(alt);
            const QString cuvant = indexPagina == 0 ? elev.Nume : elev.NotaRomana;
            if (alt == ordine.at(i))
                QVERIFY2(CuvantLa(pagini.at(i), cuvant, loc, corectii.Oglinda),
                         qPrintable(QStringLiteral("pagina %1: %2").arg(i + 1).arg(cuvant)));
            else
                QVERIFY2(!PeContine(pagini.at(i), cuvant), qPrintable(QStringLiteral("pagina %1: %2").arg(i + 1).arg(cuvant)));
        }
    }
}

void TestTiparireSerie::fataInOrdineaListeiSiInversa()
{
    for (const QList<int>& ordine : {QList<int>{0, 1, 2}, QList<int>{2, 1, 0}}) {
        TRaspunsPrompt prompt;
        TProgresScriptat progres;
        TRezultatSerie rezultat;
        const auto pagini = TiparesteClasa(Linii(ordine), TPaginaCertificat::Fata, rezultat, progres);
        QVERIFY(m_mesaje->Mesaje().isEmpty());
        QCOMPARE(prompt.Deschideri, 1);
        QCOMPARE(prompt.NumarDiplome, QStringLiteral("Puneti in imprimanta 3 diplome."));
        QCOMPARE(progres.Apeluri, (QStringList{"1/3", "2/3", "3/3"}));
        QCOMPARE(rezultat.Tiparite, 3);
        QVERIFY(rezultat.Incheiata);
        VerificaPaginile(pagini, ordine, 0, {TPaginaCertificat::Fata, 0.5, -0.5, false});
    }
    QCOMPARE(m_pdf->Titluri(), QStringList(2, QStringLiteral("Diploma de examen national - fata")));
    QCOMPARE(InfoPdf(m_pdf->Fisiere().last(), QStringLiteral("Page size")), QStringLiteral("841.89 x 595.276 pts (A4)"));
}

void TestTiparireSerie::spateleCuMargineleSiOglindaLui()
{
    Configureaza(2, -1.5, QStringLiteral("D"));
    TRaspunsPrompt prompt([](TInsertPaperForm& p) {
        QCOMPARE(p.windowTitle(), QStringLiteral("(3)"));
        QVERIFY(p.Oglinda()->isChecked());
        p.Ok();
    });
    TProgresScriptat progres;
    TRezultatSerie rezultat;
    const auto pagini = TiparesteClasa(Linii({0, 1, 2}), TPaginaCertificat::Spate, rezultat, progres);
    QCOMPARE(prompt.Deschideri, 1);
    QCOMPARE(m_pdf->Titluri(), QStringList{QStringLiteral("Diploma de examen national - verso")});
    VerificaPaginile(pagini, {0, 1, 2}, 1, {TPaginaCertificat::Spate, 2, -1.5, true});
    // Written back once, with what the prompt said.
    const TAllStuffReg setari;
    QCOMPARE(setari.MargineStangaVerso, 2.0);
    QCOMPARE(setari.OglindescVerso, QStringLiteral("D"));
    QCOMPARE(setari.MargineStangaFata, 0.5);
}

void TestTiparireSerie::verificareaGasesteDateleGresite()
{
    TDM& dm = m_mediu->DM();
    QVERIFY(VerificaElev(m_id.at(0)).isEmpty());
    const int gresit = AdaugaElev(dm, {"DOBRE", "IOANA", "2960523123458", "11"});
    ScrieValoare(dm, QStringLiteral("ELEVI"), gresit, QStringLiteral("PV.SPATE.C_OPT_NOTA"), QStringLiteral("noua"));
    QCOMPARE(VerificaElev(gresit),
             (QStringList{"CNP-ul \"2960523123458\" nu este valid.",
                          "Nota la limba romana este \"11\", nu o nota intre 5,00 si 10,00.",
                          "Nota la proba la alegere este \"noua\", care nu este o nota."}));

    const int fara = AdaugaInregistrare(dm, QStringLiteral("ELEVI"));
    QCOMPARE(VerificaElev(fara), (QStringList{"Lipseste numele.", "Lipseste prenumele.",
                                              "Lipseste numele si prenumele de pe diploma.", "Lipseste CNP-ul."}));

    // A field that keeps a value of its own instead of its twin's is checked on its own.
    SeteazaOnorez(dm, QStringLiteral("PV.SPATE.D_MATEMATICA"), QStringLiteral("NU"));
    ScrieValoare(dm, QStringLiteral("ELEVI"), m_id.at(0), QStringLiteral("PV.SPATE.D_MATEMATICA"), QStringLiteral("4"));
    QCOMPARE(VerificaElev(m_id.at(0)),
             QStringList{"Nota la matematica de pe diploma este \"4\", nu o nota intre 5,00 si 10,00."});
    // Without a value of its own it is empty, and an empty mark is no finding.
    QVERIFY(VerificaElev(m_id.at(1)).isEmpty());

    // The school's fields are every pupil's.
    ExecutaSql(dm, QStringLiteral("DELETE FROM \"DATE\" WHERE COD_CAMP='C_JUDETUL'"));
    QCOMPARE(VerificaElev(m_id.at(2)), QStringList{"Lipseste judetul."});
}

void TestTiparireSerie::dialogulPuneProblemeleIntaiSiNuLeTipareste()
{
    const int gresit = AdaugaElev(m_mediu->DM(), {"DOBRE", "IOANA", "2960523123458", "11"});
    TLiniiAfisate linii = Linii({0, 1, 2});
    linii.insert(linii.begin() + 1, {gresit, QStringLiteral("DOBRE IOANA")});
    TTiparireInSerie dialog(linii);
    dialog.Numerotare()->setChecked(false);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Tiparire in serie"));
    QTreeWidget& lista = *dialog.Lista();
    QCOMPARE(lista.topLevelItemCount(), 4);
    QCOMPARE(lista.topLevelItem(0)->text(0), QStringLiteral("DOBRE IOANA"));
    QCOMPARE(lista.topLevelItem(0)->checkState(0), Qt::Unchecked);
    QCOMPARE(lista.topLevelItem(0)->text(1), QStringLiteral("CNP-ul \"2960523123458\" nu este valid.\nNota la limba "
                                                           "romana este \"11\", nu o nota intre 5,00 si 10,00."));
    for (int i = 1; i < 4; ++i) {
        QCOMPARE(lista.topLevelItem(i)->checkState(0), Qt::Checked);
        QVERIFY(lista.topLevelItem(i)->text(1).isEmpty());
    }
    QCOMPARE(dialog.Bifati()->text(), QStringLiteral("Bifati: 3 din 4"));
    QCOMPARE(dialog.Pagina()->itemText(1), QStringLiteral("Spate"));
    QCOMPARE(dialog.Ordine()->itemText(1), QStringLiteral("in ordine inversa"));

    // Reverse order, with the faulty pupil ticked again by the user.
    dialog.Ordine()->setCurrentIndex(1);
    lista.topLevelItem(0)->setCheckState(0, Qt::Checked);
    QCOMPARE(dialog.Bifati()->text(), QStringLiteral("Bifati: 4 din 4"));
    QList<int> ordine;
    for (const TLinieAfisata& l : dialog.DeTiparit())
        ordine << l.Id;
    QCOMPARE(ordine, (QList<int>{m_id.at(2), m_id.at(1), gresit, m_id.at(0)}));
    // Ticked with its findings, it is printed only if the user says so.
    m_mesaje->RaspundeLaConfirmari({false});
    dialog.Tipareste();
    QCOMPARE(m_mesaje->Texte(TPromptTest::Fel::Confirmare),
             QStringList{QStringLiteral("Datele acestor elevi bifati nu sunt in regula:\n- DOBRE IOANA\n\nTipariti "
                                        "totusi diplomele lor?")});
    QVERIFY(m_pdf->Fisiere().isEmpty());
    m_mesaje->Goleste();

    dialog.ButonDebifeazaTot()->click();
    QCOMPARE(dialog.Bifati()->text(), QStringLiteral("Bifati: 0 din 4"));
    dialog.ButonBifeazaTot()->click();
    QCOMPARE(dialog.Bifati()->text(), QStringLiteral("Bifati: 4 din 4"));

    // Left unticked it is not printed; the others print in list order.
    lista.topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    dialog.Ordine()->setCurrentIndex(0);
    TRaspunsPrompt prompt;
    dialog.Tipareste();
    QCOMPARE(m_mesaje->Texte(TPromptTest::Fel::Informatie),
             QStringList{QStringLiteral("Tiparirea s-a incheiat: 3 pagini trimise la imprimanta.")});
    QCOMPARE(m_mesaje->Mesaje().size(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const auto pagini = CuvintePePagini(m_pdf->Fisiere().value(0));
    VerificaPaginile(pagini, {0, 1, 2}, 0, {TPaginaCertificat::Fata, 0.5, -0.5, false});
    for (const auto& pagina : pagini)
        QVERIFY(!PeContine(pagina, QStringLiteral("DOBRE")));
}

void TestTiparireSerie::elevulCareEsueazaIncheieDocumentul()
{
    // Deleted after the list was read: it must not come out as an empty card.
    ExecutaSql(m_mediu->DM(), QStringLiteral("DELETE FROM ELEVI WHERE ID_ELEVI=%1").arg(m_id.at(1)));
    TRaspunsPrompt prompt([](TInsertPaperForm& p) {
        p.MargineStanga()->setText(QStringLiteral("1.5"));
        p.Ok();
    });
    TProgresScriptat progres;
    TRezultatSerie rezultat;
    const auto pagini = TiparesteClasa(Linii({0, 1, 2}), TPaginaCertificat::Fata, rezultat, progres);
    QCOMPARE(m_mesaje->Texte(TPromptTest::Fel::Eroare),
             QStringList{QStringLiteral("Tiparirea s-a oprit la elevul %1, BARBU DAN: Elevul %1 nu exista.\n"
                                        "Diplome tiparite inaintea lui: 1.")
                             .arg(m_id.at(1))});
    QCOMPARE(rezultat.Tiparite, 1);
    QVERIFY(!rezultat.Incheiata);
    QCOMPARE(InfoPdf(m_pdf->Fisiere().value(0), QStringLiteral("Pages")), QStringLiteral("1"));
    VerificaPaginile(pagini, {0}, 0, {TPaginaCertificat::Fata, 1.5, -0.5, false});
    QVERIFY(!TAllStuffReg::Curent());
    const TAllStuffReg setari;
    QCOMPARE(setari.MargineStangaFata, 1.5);

    // Failing on the first pupil, no document is begun: no blank card goes out.
    m_mesaje->Goleste();
    const TRezultatSerie primul = TiparesteSeria(Linii({1, 0}), TPaginaCertificat::Fata, progres);
    QCOMPARE(primul.Tiparite, 0);
    QCOMPARE(m_pdf->Titluri().size(), 1);
    QCOMPARE(m_mesaje->Texte(TPromptTest::Fel::Eroare).size(), 1);
    QVERIFY(m_mesaje->Texte(TPromptTest::Fel::Eroare).value(0).endsWith(QStringLiteral("inaintea lui: 0.")));
}

void TestTiparireSerie::renuntDupaPrimaPagina()
{
    {
        TRaspunsPrompt prompt;
        TProgresScriptat progres;
        progres.Opreste = 2;
        TRezultatSerie rezultat;
        const auto pagini = TiparesteClasa(Linii({0, 1, 2}), TPaginaCertificat::Fata, rezultat, progres);
        QVERIFY(m_mesaje->Mesaje().isEmpty());
        QCOMPARE(rezultat.Tiparite, 1);
        QVERIFY(!rezultat.Incheiata);
        QCOMPARE(InfoPdf(m_pdf->Fisiere().value(0), QStringLiteral("Pages")), QStringLiteral("1"));
        VerificaPaginile(pagini, {0}, 0, {TPaginaCertificat::Fata, 0.5, -0.5, false});
    }
    {
        // Stopped before the first card, no document is begun: no blank card goes out.
        TRaspunsPrompt prompt;
        TProgresScriptat progres;
        progres.Opreste = 1;
        TRezultatSerie rezultat;
        QVERIFY(TiparesteClasa(Linii({0, 1, 2}), TPaginaCertificat::Fata, rezultat, progres).isEmpty());
        QCOMPARE(prompt.Deschideri, 1);
        QCOMPARE(rezultat.Tiparite, 0);
    }

    // Giving up at the prompt prints nothing; the dialog keeps its pupils ticked.
    TRaspunsPrompt renunt([](TInsertPaperForm& p) { p.Renunt(); });
    TTiparireInSerie dialog(Linii({0, 1, 2}));
    dialog.Numerotare()->setChecked(false);
    dialog.Tipareste();
    QCOMPARE(renunt.Deschideri, 1);
    QCOMPARE(m_pdf->Fisiere().size(), 1);
    QCOMPARE(dialog.DeTiparit().size(), size_t(3));
}

void TestTiparireSerie::progresulArataDiplomaCurenta()
{
    TProgresFereastra progres(nullptr);
    QVERIFY(progres.Continua(17, 60));
    QCOMPARE(progres.Fereastra().labelText(), QStringLiteral("Tiparesc diploma 17 din 60"));
    QCOMPARE(progres.Fereastra().value(), 16);
    QTimer::singleShot(0, [&progres] { progres.Fereastra().cancel(); });
    QTest::qWait(20);
    QVERIFY(!progres.Continua(18, 60));

    // Stopped by the user in the dialog after the first card, that pupil is unticked.
    TRaspunsPrompt prompt;
    TTiparireInSerie dialog(Linii({0, 1, 2}));
    dialog.Numerotare()->setChecked(false);
    QTimer opreste;
    QObject::connect(&opreste, &QTimer::timeout, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* p = qobject_cast<QProgressDialog*>(w); p && p->isVisible() && p->value() >= 1)
                p->cancel();
    });
    opreste.start(1);
    dialog.Tipareste();
    opreste.stop();
    QVERIFY(dialog.result() != QDialog::Accepted);
    QCOMPARE(InfoPdf(m_pdf->Fisiere().value(0), QStringLiteral("Pages")), QStringLiteral("1"));
    QCOMPARE(dialog.DeTiparit().size(), size_t(2));
    QCOMPARE(dialog.DeTiparit().front().Id, m_id.at(1));
}

void TestTiparireSerie::registrulAnuleazaCartoaneleStricateSiIntreabaLaReluare()
{
    TRaspunsPrompt prompt;
    TTiparireInSerie dialog(Linii({0, 1, 2}));
    QVERIFY(dialog.Numerotare()->isChecked());
    dialog.Numerotare()->Seria()->setText("pv");
    dialog.Numerotare()->PrimulNumar()->setText("10");
    // The stack goes through the printer in reverse order; the second card comes out smudged.
    dialog.Ordine()->setCurrentIndex(1);
    LaDialogulModal<TCartoaneTiparite>([](TCartoaneTiparite& cartoane) {
        cartoane.Lista()->item(1)->setCheckState(Qt::Unchecked);
        cartoane.accept();
    });
    dialog.Tipareste();
    QCOMPARE(m_pdf->Fisiere().size(), 1);
    const QList<QList<TCuvantPdf>> pagini = CuvintePePagini(m_pdf->Fisiere().first());
    QCOMPARE(pagini.size(), 3);
    for (int p = 0; p < 3; ++p)
        for (const int arie : {124, 126})
            QVERIFY(CuvantLa(pagini.at(p), QString::number(p + 1),
                             LocAsteptat(*m_formular->Fata(), arie, {TPaginaCertificat::Fata, 0.5, -0.5, false}), false));
    // BARBU's card was voided: he alone stays ticked, for the next card of the stack.
    QCOMPARE(dialog.DeTiparit().size(), size_t(1));
    QCOMPARE(dialog.DeTiparit().front().Id, m_id.at(1));
    QCOMPARE(dialog.Numerotare()->PrimulNumar()->text(), QString("13"));
    LaDialogulModal<TCartoaneTiparite>([](TCartoaneTiparite& cartoane) { cartoane.accept(); });
    dialog.Tipareste();

    // ALBU lost hers: printed again, as a duplicate, after both questions.
    TTiparireInSerie din(Linii({0}));
    m_mesaje->RaspundeLaConfirmari({true, false});
    LaDialogulModal<TCartoaneTiparite>([](TCartoaneTiparite& cartoane) { cartoane.accept(); });
    din.Tipareste();
    QVERIFY2(m_mesaje->Texte(TPromptTest::Fel::Confirmare).value(0).contains("ALBU ANCA: seria PV nr. 000012"),
             qPrintable(m_mesaje->Texte(TPromptTest::Fel::Confirmare).join('\n')));
    QCOMPARE(ColoanaSql(m_mediu->DM(), "SELECT NUMAR_CARTON || ' ' || NR_INREGISTRARE || ' ' || NUME_ELEV || ' ' || FEL "
                                       "|| ' ' || (SELECT FIRST 1 STARE FROM STARI_CERTIFICATE S WHERE S.ID_INTRARE = "
                                       "R.ID_INTRARE ORDER BY S.ID_STARE DESC) FROM REGISTRU_CERTIFICATE R ORDER BY 1"),
             QStringList({"10 1 CIOBANU ELENA ORIGINAL TIPARIT", "11 2 BARBU DAN ORIGINAL ANULAT",
                          "12 3 ALBU ANCA ORIGINAL ANULAT", "13 4 BARBU DAN ORIGINAL TIPARIT",
                          "14 5 ALBU ANCA DUPLICAT TIPARIT"}));
    // A card number already used is refused before anything prints.
    TTiparireInSerie folosit(Linii({2}));
    folosit.Numerotare()->PrimulNumar()->setText("11");
    m_mesaje->Goleste();
    folosit.Tipareste();
    QCOMPARE(m_mesaje->Texte(TPromptTest::Fel::Avertisment).value(0).left(64),
             QString("Cartonul seria PV nr. 000011 a fost deja folosit (nr. inregistrare 2, BARBU DAN)").left(64));
    QCOMPARE(m_pdf->Fisiere().size(), 3);
}

void TestTiparireSerie::fataUnuiElevDinPrevizualizareSeInregistreaza()
{
    const QString registru = "SELECT NUMAR_CARTON || ' ' || NR_INREGISTRARE || ' ' || NUME_ELEV || ' ' || FEL || ' ' || "
                             "(SELECT FIRST 1 STARE || ' ' || COALESCE(MOTIV, '') FROM STARI_CERTIFICATE S WHERE "
                             "S.ID_INTRARE = R.ID_INTRARE ORDER BY S.ID_STARE DESC) FROM REGISTRU_CERTIFICATE R ORDER BY 1";
    const QString azi = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    THandlerPravent().Umple(*m_formular, m_id.at(0));
    // An uncalibrated printer is named before any number is asked for.
    {
        TAllStuffReg setari;
        setari.ImprimantaConfigurata = false;
    }
    bool intrebata = false;
    {
        const QObject paznic;
        QTimer::singleShot(0, &paznic, [&intrebata] {
            for (QWidget* fereastra : QApplication::topLevelWidgets())
                if (auto* intrebare = qobject_cast<TNumerotareDiploma*>(fereastra); intrebare && intrebare->isVisible()) {
                    intrebata = true;
                    intrebare->reject();
                }
        });
        m_formular->ButonTipareste()->click();
    }
    QVERIFY(!intrebata);
    QCOMPARE(m_mesaje->Texte(TPromptTest::Fel::Informatie), QStringList{"Configureaza imprimanta"});
    m_mesaje->Goleste();
    Configureaza(0, 0, QStringLiteral("N"));

    TRaspunsPrompt prompt;
    LaDialogulModal<TNumerotareDiploma>([](TNumerotareDiploma& intrebare) {
        intrebare.Numerotare()->Seria()->setText("pv");
        intrebare.Numerotare()->PrimulNumar()->setText("7");
        intrebare.ButonTipareste()->click();
    });
    LaDialogulModal<TCartoaneTiparite>([](TCartoaneTiparite& cartoane) {
        if (!qEnvironmentVariableIsEmpty("PRAVENT_CAPTURI"))
            cartoane.grab().save(qEnvironmentVariable("PRAVENT_CAPTURI") + "/cartoane-tiparite.png");
        cartoane.accept();
    });
    m_formular->ButonTipareste()->click();
    QCOMPARE(m_mesaje->Mesaje().size(), 0);
    QCOMPARE(ColoanaSql(m_mediu->DM(), registru), QStringList{"7 1 ALBU ANCA ORIGINAL TIPARIT "});
    QCOMPARE(m_pdf->Fisiere().size(), 1);
    const QList<QList<TCuvantPdf>> pagini = CuvintePePagini(m_pdf->Fisiere().first());
    QCOMPARE(pagini.size(), 1);
    const TPaginaDeTiparit corectii{TPaginaCertificat::Fata, 0.5, -0.5, false};
    for (const int arie : {124, 126})
        QVERIFY(CuvantLa(pagini.first(), "1", LocAsteptat(*m_formular->Fata(), arie, corectii), false));
    for (const int arie : {125, 127})
        QVERIFY(CuvantLa(pagini.first(), azi, LocAsteptat(*m_formular->Fata(), arie, corectii), false));
    QCOMPARE(m_formular->Fata()->FindAreaByNumber(124)->Text(), QString("1"));
    if (!qEnvironmentVariableIsEmpty("PRAVENT_CAPTURI"))
        m_formular->Fata()->grab().save(qEnvironmentVariable("PRAVENT_CAPTURI") + "/previzualizare-fata.png");

    // A proof on plain paper records nothing, nor does the back.
    m_formular->ButonProba()->click();
    m_formular->Taburi()->setCurrentIndex(1);
    m_formular->ButonTipareste()->click();
    m_formular->Taburi()->setCurrentIndex(0);
    QCOMPARE(m_pdf->Titluri(), QStringList({"Diploma de examen national - fata", "Diploma de examen national - fata",
                                            "Diploma de examen national - verso"}));
    QCOMPARE(ColoanaSql(m_mediu->DM(), registru).size(), 1);

    // Printed again, the next card is offered; the first one came out spoiled and is voided.
    QString seria, numar;
    m_mesaje->RaspundeLaConfirmari({true, true});
    LaDialogulModal<TNumerotareDiploma>([&](TNumerotareDiploma& intrebare) {
        seria = intrebare.Numerotare()->Seria()->text();
        numar = intrebare.Numerotare()->PrimulNumar()->text();
        if (!qEnvironmentVariableIsEmpty("PRAVENT_CAPTURI"))
            intrebare.grab().save(qEnvironmentVariable("PRAVENT_CAPTURI") + "/numerotare-diploma.png");
        intrebare.ButonTipareste()->click();
    });
    // The new card smudges too: unticked, it is voided and the page keeps no numbers.
    LaDialogulModal<TCartoaneTiparite>([](TCartoaneTiparite& cartoane) {
        cartoane.Lista()->item(0)->setCheckState(Qt::Unchecked);
        cartoane.accept();
    });
    m_formular->ButonTipareste()->click();
    QCOMPARE(seria, QString("PV"));
    QCOMPARE(numar, QString("8"));
    QVERIFY2(m_mesaje->Texte(TPromptTest::Fel::Confirmare).value(0).contains("ALBU ANCA: seria PV nr. 000007"),
             qPrintable(m_mesaje->Texte(TPromptTest::Fel::Confirmare).join('\n')));
    QCOMPARE(ColoanaSql(m_mediu->DM(), registru),
             QStringList({"7 1 ALBU ANCA ORIGINAL ANULAT tiparit gresit", "8 2 ALBU ANCA ORIGINAL ANULAT tiparit gresit"}));
    QVERIFY(m_formular->Fata()->FindAreaByNumber(124)->Text().isEmpty());

    // A card already used is refused before anything prints, the dialog keeping what was typed.
    bool deschis = false;
    m_mesaje->Goleste();
    LaDialogulModal<TNumerotareDiploma>([&deschis](TNumerotareDiploma& intrebare) {
        intrebare.Numerotare()->PrimulNumar()->setText("8");
        intrebare.ButonTipareste()->click();
        deschis = intrebare.isVisible() && intrebare.Numerotare()->PrimulNumar()->text() == "8";
        intrebare.reject();
    });
    m_formular->ButonTipareste()->click();
    QVERIFY(deschis);
    QVERIFY2(m_mesaje->Texte(TPromptTest::Fel::Avertisment).value(0).startsWith("Cartonul seria PV nr. 000008 a fost deja "
                                                                                 "folosit"),
             qPrintable(m_mesaje->Texte(TPromptTest::Fel::Avertisment).join('\n')));
    QCOMPARE(m_pdf->Fisiere().size(), 4);
    QCOMPARE(ColoanaSql(m_mediu->DM(), registru).size(), 2);
}

void TestTiparireSerie::documentulNeincheiatAnuleazaCartoanele()
{
    const QString tinta = m_mediu->Dosar() + QStringLiteral("/clasa.pdf");
    m_pdf->RaspundeCu(tinta);
    TRaspunsPrompt prompt;
    TTiparireInSerie dialog(Linii({0, 1, 2}));
    dialog.Numerotare()->Seria()->setText("pv");
    dialog.Numerotare()->PrimulNumar()->setText("1");
    // While the cards print, a folder takes the file's place: the document cannot be put there.
    QTimer ocupa;
    QObject::connect(&ocupa, &QTimer::timeout, [&tinta] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* p = qobject_cast<QProgressDialog*>(w); p && p->isVisible() && p->value() >= 1)
                QDir().mkpath(tinta + QStringLiteral("/ocupat"));
    });
    ocupa.start(1);
    dialog.Tipareste();
    ocupa.stop();
    QVERIFY(QFileInfo(tinta + QStringLiteral("/ocupat")).isDir());
    QCOMPARE(m_mesaje->Texte(TPromptTest::Fel::Eroare).size(), 1);
    QCOMPARE(m_mesaje->Mesaje().size(), 1);
    QCOMPARE(ColoanaSql(m_mediu->DM(), "SELECT NUMAR_CARTON || ' ' || (SELECT FIRST 1 STARE || ' ' || MOTIV FROM "
                                       "STARI_CERTIFICATE S WHERE S.ID_INTRARE = R.ID_INTRARE ORDER BY S.ID_STARE DESC) "
                                       "FROM REGISTRU_CERTIFICATE R ORDER BY 1"),
             QStringList({"1 ANULAT tiparirea a esuat", "2 ANULAT tiparirea a esuat", "3 ANULAT tiparirea a esuat"}));
    // No card came out: every pupil waits for one, from the next card of the stack.
    QCOMPARE(dialog.DeTiparit().size(), size_t(3));
    QCOMPARE(dialog.Numerotare()->PrimulNumar()->text(), QString("4"));
}

void TestTiparireSerie::numarulDeDiplome_data()
{
    QTest::addColumn<int>("numar");
    QTest::addColumn<QString>("text");
    QTest::newRow("1") << 1 << "1 diploma";
    QTest::newRow("17") << 17 << "17 diplome";
    QTest::newRow("19") << 19 << "19 diplome";
    QTest::newRow("20") << 20 << "20 de diplome";
    QTest::newRow("60") << 60 << "60 de diplome";
    QTest::newRow("101") << 101 << "101 diplome";
    QTest::newRow("119") << 119 << "119 diplome";
    QTest::newRow("120") << 120 << "120 de diplome";
    QTest::newRow("200") << 200 << "200 de diplome";
}

void TestTiparireSerie::numarulDeDiplome()
{
    QFETCH(int, numar);
    QFETCH(QString, text);
    QCOMPARE(NumarDeDiplome(numar), text);
}

void TestTiparireSerie::linieDeComandaMaiMultiElevi()
{
    m_mediu->OpresteDM();
    const QString pdf = m_mediu->Dosar() + QStringLiteral("/clasa.pdf");
    const QString lista = QStringLiteral("%1,%2").arg(m_id.at(2)).arg(m_id.at(0));
    TRezultatProces r = RuleazaProgramul({"--print-pdf", pdf, "--pupil", lista, "--page", "ambele"}, m_mediu->Dosar());
    QCOMPARE(r.CodIesire, 0);
    QList<QList<TCuvantPdf>> pagini = CuvintePePagini(pdf);
    QCOMPARE(pagini.size(), 4);
    // Front then back of each pupil in turn.
    QVERIFY(PeContine(pagini.at(0), QStringLiteral("CIOBANU")));
    QVERIFY(PeContine(pagini.at(1), QStringLiteral("6,75")));
    QVERIFY(PeContine(pagini.at(2), QStringLiteral("ALBU")));
    QVERIFY(PeContine(pagini.at(3), QStringLiteral("9,50")));
    QVERIFY(!PeContine(pagini.at(2), QStringLiteral("CIOBANU")));

    r = RuleazaProgramul({"--print-pdf", pdf, "--all", "--page", "fata"}, m_mediu->Dosar());
    QCOMPARE(r.CodIesire, 0);
    pagini = CuvintePePagini(pdf);
    QCOMPARE(pagini.size(), 3);
    for (int i = 0; i < 3; ++i)
        QVERIFY(PeContine(pagini.at(i), Clasa.at(i).Nume));

    // An unknown pupil anywhere in the list: nothing is written.
    QFile::remove(pdf);
    r = RuleazaProgramul({"--print-pdf", pdf, "--pupil", QStringLiteral("%1,9999").arg(m_id.at(0))}, m_mediu->Dosar());
    QCOMPARE(r.CodIesire, 2);
    QVERIFY2(r.Erori.contains(QStringLiteral("Elevul 9999 nu exista.")), qPrintable(r.Erori));
    QVERIFY(!QFile::exists(pdf));
    r = RuleazaProgramul({"--print-pdf", pdf, "--pupil", "1,x"}, m_mediu->Dosar());
    QCOMPARE(r.CodIesire, 2);
    QVERIFY2(r.Erori.contains(QStringLiteral("--pupil trebuie sa fie numarul unui elev, nu \"x\".")), qPrintable(r.Erori));
    r = RuleazaProgramul({"--print-pdf", pdf, "--pupil", "1", "--all"}, m_mediu->Dosar());
    QCOMPARE(r.CodIesire, 2);
    QVERIFY(!QFile::exists(pdf));
}

void TestTiparireSerie::linieDeComandaVerificare()
{
    m_mediu->OpresteDM();
    TRezultatProces r = RuleazaProgramul({"--check-pupils"}, m_mediu->Dosar());
    QCOMPARE(r.CodIesire, 0);
    QCOMPARE(r.Iesire, QString());

    // A value with a line break stays on its finding's line.
    const int gresit = AdaugaElev(m_mediu->PornesteDM(), {"DOBRE", "IOANA", "2960523123458", "1\n1"});
    m_mediu->OpresteDM();
    r = RuleazaProgramul({"--check-pupils"}, m_mediu->Dosar());
    QCOMPARE(r.CodIesire, 1);
    const QString linie = QStringLiteral("%1 DOBRE IOANA / DOBRE IOANA (2960523123458): ").arg(gresit);
    QCOMPARE(r.Iesire.split(u'\n', Qt::SkipEmptyParts),
             (QStringList{linie + "CNP-ul \"2960523123458\" nu este valid.",
                          linie + "Nota la limba romana este \"1\\n1\", care nu este o nota."}));

    // A session too long for the card's areas is found for every pupil.
    ExecutaSql(m_mediu->PornesteDM(), QStringLiteral("UPDATE \"DATE\" SET VALOARE_TEXT='sesiunea speciala de vara a "
                                                     "anului scolar 2025-2026' WHERE COD_CAMP='C_SESIUNEA'"));
    m_mediu->OpresteDM();
    r = RuleazaProgramul({"--check-pupils"}, m_mediu->Dosar());
    QCOMPARE(r.CodIesire, 1);
    QCOMPARE(r.Iesire.count("Sesiunea \"sesiunea speciala de vara a anului scolar 2025-2026\" nu incape pe certificat"),
             4);
}

QTEST_MAIN(TestTiparireSerie)
#include "tst_tiparireserie.moc"
