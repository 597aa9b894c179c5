// The import wizard's windows: its pages and their order, the checks that keep a page, the
// workbook and sheet of page 1, the column-selection dialog, and the main window's list after it.
#include "app/praventmain.h"
#include "base/brvregistryclass.h"
#include "editors/listaelevi.h"
#include "import/alegerecoloana.h"
#include "import/comandaimport.h"
#include "import/brvexcelimportframe.h"
#include "import/excelselectiecoloana.h"
#include "registre/foaie.h"
#include "import/importexcelexpert.h"
#include "support/datetest.h"
#include "support/dialogmodal.h"
#include "support/mediutest.h"
#include "support/procestest.h"
#include "support/prompttest.h"
#include "widgets/brvvirtualgrid.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QProgressDialog>
#include <QScopeGuard>
#include <QSettings>
#include <QtTest>

namespace {

QString Fixtura(const QString& nume)
{
    return QStringLiteral(PRAVENT_SOURCE_DIR "/tests/import/fixtures/") + nume;
}

// A class register written by openpyxl: its first sheet holds 7 pupils in columns A to H,
// the CNP in C and the names in B.
const QString Catalog = QStringLiteral("registru_openpyxl.xlsx");

// Two forms, their fields interleaved: the list of forms keeps the order they first appear in.
std::vector<TCampImportabil> CampuriDouaFormulare()
{
    return {{QStringLiteral("PV.FATA.C_NUME"), QStringLiteral("PV"), QStringLiteral("Numele elevului (linia 1)")},
            {QStringLiteral("AltaDiploma.FATA.NUME"), QStringLiteral("AltaDiploma"), QStringLiteral("Numele")},
            {QStringLiteral("PV.FATA.C_PRENUME"), QStringLiteral("PV"),
             QStringLiteral("Prenumele elevului (linia 2)")}};
}

void Bifeaza(TImportExcelExpert& asistent, const QString& formular)
{
    const int rand = int(asistent.FormulareProfil().indexOf(formular));
    asistent.ListaFormulare()->item(rand)->setCheckState(Qt::Checked);
}

// Chooses a column in the dialog the chooser opens, as a click on one of its cells would.
void AlegeColoana(TAlegereColoana& alegere, int coloana)
{
    LaDialogulModal<TExcelSelectieColoana>([coloana](TExcelSelectieColoana& dialog) {
        dialog.SelecteazaColoana(coloana);
        dialog.Ok();
    });
    alegere.Alege();
}

// From page 0 to page 2 over the class register's first sheet, with these forms ticked.
void PanaLaColoanaCnp(TImportExcelExpert& asistent, const QStringList& bifate)
{
    asistent.Inainte();
    for (const QString& formular : bifate)
        Bifeaza(asistent, formular);
    asistent.Inainte();
    asistent.DeschideFisier(Fixtura(Catalog));
    asistent.Foi()->setCurrentIndex(0);
    asistent.Inainte();
}

// A class register for the import: five pupils in B (names) and C (CNPs of pupils born from
// 2000), marks in D and E; its sheet "Lungi" has a remark in H too long for the database.
const QString CatalogImport = QStringLiteral("catalog_import.xlsx");

// The choices a secretary makes for it, as the command line writes them.
const QStringList AlegeriClasa = {"PV.FATA.C_NUME=prima:B",       "PV.FATA.C_PRENUME=adoua:B",
                                  "PV.FATA.C_ABREVIERE=cnp:dra/dl", "PV.FATA.C_ARTICOL=cnp:a/ul",
                                  "PV.SPATE.C_LB_ROMANA=coloana:D", "PV.SPATE.C_MATEMATICA=coloana:E",
                                  "PV.SPATE.C_OPTIUNEA=constanta:Istorie"};

// Sets a field page to a source as a user would: its column clicked in the dialog.
void AplicaSursa(TBrvExcelImportFrame& pagina, const TSursaCamp& sursa)
{
    pagina.NuImport()->setChecked(sursa.NuImport);
    pagina.Moduri()->setCurrentRow(int(sursa.Mod));
    if (!sursa.Coloana.isEmpty())
        AlegeColoana(*pagina.Coloana(), IndiceColoana(sursa.Coloana));
    pagina.Constanta()->setText(sursa.Constanta);
    pagina.TextFete()->setText(sursa.TextFete);
    pagina.TextBaieti()->setText(sursa.TextBaieti);
}

// Every page from 0 to 3 with form PV, the sheet, column C for the CNP and these choices.
void Parcurge(TImportExcelExpert& asistent, const QString& foaie, const QStringList& alegeri)
{
    asistent.Inainte();
    Bifeaza(asistent, "PV");
    asistent.Inainte();
    asistent.DeschideFisier(Fixtura(CatalogImport));
    asistent.Foi()->setCurrentIndex(asistent.Foi()->findText(foaie));
    asistent.Inainte();
    AlegeColoana(*asistent.ColoanaCnp(), 2);
    asistent.Inainte();
    TComandaImport comanda;
    comanda.Campuri = alegeri;
    const std::vector<TSursaCamp> surse = SurseDinComanda(comanda, CampuriImportabile());
    QCOMPARE(surse.size(), asistent.Campuri().size());
    while (asistent.PaginaCurenta() >= TImportExcelExpert::PrimaPaginaCamp) {
        const size_t camp = size_t(asistent.PaginaCurenta() - TImportExcelExpert::PrimaPaginaCamp);
        QCOMPARE(asistent.Campuri().at(camp)->IdCamp(), surse.at(camp).IdCamp);
        AplicaSursa(*asistent.Campuri().at(camp), surse.at(camp));
        asistent.Inainte();
    }
    QCOMPARE(asistent.PaginaCurenta(), int(TImportExcelExpert::PaginaGata));
    // The last page says what will be imported before "Inainte" starts it.
    if (!qEnvironmentVariableIsEmpty("PRAVENT_CAPTURI"))
        asistent.grab().save(qEnvironmentVariable("PRAVENT_CAPTURI") + "/import-rezumat.png");
    const QString rezumat = asistent.Rezumat()->text();
    QVERIFY2(rezumat.contains("Foaia de calcul: " + foaie) && rezumat.contains("CNP-ul din coloana C:")
                 && rezumat.contains(": coloana D") && rezumat.contains(": primul cuvant din coloana B"),
             qPrintable(rezumat));
}

// Runs the wizard from the main window's menu; `actiune` works it, and whatever it leaves
// open is cancelled, so that a failed check cannot keep the modal wizard up.
void DinMeniu(TPraventMain& fereastra, std::function<void(TImportExcelExpert&)> actiune)
{
    LaDialogulModal<TImportExcelExpert>([actiune](TImportExcelExpert& asistent) {
        const auto inchide = qScopeGuard([&asistent] {
            if (asistent.isVisible())
                asistent.Renunt();
        });
        actiune(asistent);
    });
    fereastra.ImportdinExcel1()->trigger();
}

} // namespace

class TestAsistentImport : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void paginileInainte();
    void paginileInapoi();
    void faraCampuri();
    void tastatura();
    void dialogulDeColoane();
    void fisierulSeAlegeSiUnulNecitibilNuSchimbaNimic();
    void foaiaNecitibilaRedaCursorul();
    void listaSeReincarcaDupaRenunt();
    void aceeasiBazaCaLiniaDeComanda();
    void renuntInTimpulPreluarii();
    void randEsuatLasaAsistentulPePagina();
    void asezareaSeRetineDupaCapulDeTabel();

private:
    std::unique_ptr<TMediuTest> m_mediu;
    TDM* m_dm = nullptr;
};

void TestAsistentImport::init()
{
    m_mediu = std::make_unique<TMediuTest>();
    m_dm = &m_mediu->PornesteDM();
}

void TestAsistentImport::cleanup()
{
    m_dm = nullptr;
    m_mediu.reset();
}

// Page 0, the forms, the file, the CNP column, the field pages of the ticked forms only,
// then page 3; every check that keeps a page, and "Inapoi" enabled above page 2 only.
void TestAsistentImport::paginileInainte()
{
    TPromptTest prompt;
    TImportExcelExpert asistent(CampuriDouaFormulare());
    QCOMPARE(asistent.windowTitle(), QString("Import de date din Excel"));
    QCOMPARE(asistent.FormulareProfil(), (QStringList{"PV", "AltaDiploma"}));
    QCOMPARE(asistent.ListaFormulare()->count(), 2);
    QCOMPARE(asistent.ListaFormulare()->item(0)->text(), QString(" P V"));
    QCOMPARE(asistent.ListaFormulare()->item(1)->text(), QString(" Alta Diploma"));
    QCOMPARE(asistent.findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly)->count(), 8);
    QCOMPARE(asistent.PaginaCurenta(), 0);
    QVERIFY(!asistent.ButonInapoi()->isEnabled());

    asistent.Inainte();
    QCOMPARE(asistent.PaginaCurenta(), 4);
    QVERIFY(asistent.ButonInapoi()->isEnabled());
    asistent.Inainte();
    QCOMPARE(asistent.PaginaCurenta(), 4);
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Informatie), QStringList{"Va rugam bifati cel putin un formular"});

    Bifeaza(asistent, "PV");
    asistent.Inainte();
    QCOMPARE(asistent.PaginaCurenta(), 1);
    QCOMPARE(asistent.FormulareBifate(), QStringList{"PV"});
    QVERIFY(!asistent.ButonInapoi()->isEnabled());
    QVERIFY(!asistent.Foi()->isEnabled());

    const QString faraFoaie =
        "Va rugam deschideti un fisier XLS si alegeti foaia de calcul de pe care se va face importul";
    prompt.Goleste();
    asistent.Inainte();
    asistent.DeschideFisier(Fixtura(Catalog));
    asistent.Inainte(); // the sheets are listed, none chosen yet
    QCOMPARE(asistent.PaginaCurenta(), 1);
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Informatie), (QStringList{faraFoaie, faraFoaie}));
    QVERIFY(!asistent.SelectieColoana());

    asistent.Foi()->setCurrentIndex(0);
    asistent.Inainte();
    QCOMPARE(asistent.PaginaCurenta(), 2);
    QVERIFY(!asistent.ButonInapoi()->isEnabled());
    QCOMPARE(asistent.Coloane().NumarRanduri(), 7);
    QCOMPARE(asistent.Coloane().Coloane().size(), size_t(8));
    QVERIFY(asistent.SelectieColoana());

    prompt.Goleste();
    asistent.Inainte();
    QCOMPARE(asistent.PaginaCurenta(), 2);
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Eroare),
             QStringList{"Va rugam selectati coloana de pe care se vor prelua date pentru CNP"});
    AlegeColoana(*asistent.ColoanaCnp(), 2);
    QCOMPARE(asistent.ColoanaCnp()->Coloana(), QString("C"));
    asistent.Inainte();
    QCOMPARE(asistent.PaginaCurenta(), 5);
    QVERIFY(asistent.ButonInapoi()->isEnabled());

    // A mode that reads a column keeps the page until a column is chosen.
    TBrvExcelImportFrame& nume = *asistent.Campuri().at(0);
    const QStringList faraColoana{"Va rog selectati coloana din care voi prelua datele"};
    for (const TModSursa mod : {TModSursa::Coloana, TModSursa::PrimaParte, TModSursa::ADouaParte}) {
        prompt.Goleste();
        nume.Moduri()->setCurrentRow(int(mod));
        asistent.Inainte();
        QCOMPARE(asistent.PaginaCurenta(), 5);
        QCOMPARE(prompt.Texte(TPromptTest::Fel::Eroare), faraColoana);
    }
    // Its hidden "PaginaOk" button is what the wizard asks.
    auto* paginaOk = nume.findChild<QPushButton*>("PaginaOk");
    QVERIFY(paginaOk && paginaOk->isHidden());
    prompt.Goleste();
    paginaOk->click();
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Eroare), faraColoana);
    nume.Moduri()->setCurrentRow(int(TModSursa::Constanta));
    QCOMPARE(nume.SubPagini()->currentIndex(), 1);
    prompt.Goleste();
    asistent.Inainte();
    QVERIFY(prompt.Mesaje().isEmpty());
    // The other form's page is passed over and not imported.
    QCOMPARE(asistent.PaginaCurenta(), 7);
    QVERIFY(asistent.Campuri().at(1)->NuImport()->isChecked());
    QVERIFY(!asistent.Campuri().at(2)->NuImport()->isChecked());
    // A field not imported needs no column.
    asistent.Campuri().at(2)->NuImport()->setChecked(true);
    asistent.Inainte();
    QCOMPARE(asistent.PaginaCurenta(), 3);
    QVERIFY(asistent.ButonInapoi()->isEnabled());
    QVERIFY(prompt.Mesaje().isEmpty());

    // What the pages say reaches the import as the field sources.
    const TSursaCamp sursa = nume.Sursa();
    QCOMPARE(sursa.IdCamp, QString("PV.FATA.C_NUME"));
    QCOMPARE(sursa.Mod, TModSursa::Constanta);
    QVERIFY(!sursa.NuImport);
    QVERIFY(asistent.Campuri().at(1)->Sursa().NuImport);
}

void TestAsistentImport::paginileInapoi()
{
    TPromptTest prompt;
    TImportExcelExpert asistent(CampuriDouaFormulare());
    asistent.Inapoi();
    QCOMPARE(asistent.PaginaCurenta(), 0);
    PanaLaColoanaCnp(asistent, {"PV", "AltaDiploma"});
    AlegeColoana(*asistent.ColoanaCnp(), 2);
    for (TBrvExcelImportFrame* camp : asistent.Campuri())
        camp->NuImport()->setChecked(true);
    for (const int pagina : {5, 6, 7, 3}) {
        asistent.Inainte();
        QCOMPARE(asistent.PaginaCurenta(), pagina);
    }
    // From page 3 back to the CNP column, not to the last field; the field pages one by one.
    for (const int pagina : {2, 1, 4, 0}) {
        asistent.Inapoi();
        QCOMPARE(asistent.PaginaCurenta(), pagina);
    }
    // "Inapoi" leaves its own state alone: it is still enabled on page 0, and does nothing.
    QVERIFY(asistent.ButonInapoi()->isEnabled());
    asistent.Inapoi();
    QCOMPARE(asistent.PaginaCurenta(), 0);
    asistent.Inainte();
    asistent.Inainte();
    asistent.Inainte();
    asistent.Inainte();
    asistent.Inainte();
    QCOMPARE(asistent.PaginaCurenta(), 6);
    for (const int pagina : {5, 4}) {
        asistent.Inapoi();
        QCOMPARE(asistent.PaginaCurenta(), pagina);
    }
    // The choices survive the way back and forth.
    QCOMPARE(asistent.ColoanaCnp()->Coloana(), QString("C"));
    QCOMPARE(asistent.NumeFisier()->text(), QDir::toNativeSeparators(Fixtura(Catalog)));
    QVERIFY(prompt.Mesaje().isEmpty());
}

// With no field to import there is no form to tick: page 4 lets the CNPs alone through, and
// page 2 leads straight to page 3.
void TestAsistentImport::faraCampuri()
{
    TPromptTest prompt;
    TImportExcelExpert asistent(std::vector<TCampImportabil>{});
    QCOMPARE(asistent.ListaFormulare()->count(), 0);
    PanaLaColoanaCnp(asistent, {});
    QCOMPARE(asistent.PaginaCurenta(), 2);
    AlegeColoana(*asistent.ColoanaCnp(), 2);
    asistent.Inainte();
    QCOMPARE(asistent.PaginaCurenta(), 3);
    QVERIFY(prompt.Mesaje().isEmpty());
}

void TestAsistentImport::tastatura()
{
    TPromptTest prompt;
    TImportExcelExpert asistent(CampuriDouaFormulare());
    asistent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&asistent));
    QTest::keyClick(&asistent, Qt::Key_Return);
    QCOMPARE(asistent.PaginaCurenta(), 4);
    asistent.ListaFormulare()->setFocus();
    QTest::keyClick(asistent.ListaFormulare(), Qt::Key_Return);
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Informatie), QStringList{"Va rugam bifati cel putin un formular"});
    QTest::keyClick(&asistent, Qt::Key_Escape);
    QVERIFY(!asistent.isVisible());
    QCOMPARE(asistent.result(), int(QDialog::Rejected));
}

// The sheet's columns read-only, headed by their letters; a click chooses a column, "Ok"
// needs one, and the choice stays for the next opening and shows in the chooser.
void TestAsistentImport::dialogulDeColoane()
{
    TPromptTest prompt;
    TImportExcelExpert asistent(CampuriDouaFormulare());
    PanaLaColoanaCnp(asistent, {"PV"});
    TExcelSelectieColoana& dialog = *asistent.SelectieColoana();
    QCOMPARE(dialog.windowTitle(), QString("Selectie coloana EXCEL"));
    TBrvVirtualGrid& grila = *dialog.Grila();
    QCOMPARE(grila.Coloane().Count(), 8);
    QCOMPARE(grila.Linii().Count(), 7);
    QCOMPARE(grila.Coloane()[0].NumeColoana(), QString("A"));
    QCOMPARE(grila.Coloane()[7].NumeColoana(), QString("H"));
    QCOMPARE(grila.ColoaneFixe(), 0);
    QCOMPARE(grila.HeaderHeight(), 48);
    QCOMPARE(grila.TextCelula(1, 0), QString("Popescu Ana-Maria"));
    QCOMPARE(grila.TextCelula(2, 6), QString("2020304123461"));
    // Widths follow the widest text, within 300 pixels and a margin of 12.
    QCOMPARE(grila.Coloane()[6].Width(), 12); // an empty column
    QVERIFY(grila.Coloane()[1].Width() > grila.Coloane()[0].Width());
    QCOMPARE(LatimeColoanaSelectie({QString(200, 'W')}), 312);
    QCOMPARE(LatimeColoanaSelectie({"ab", "abc"}), LatimeColoanaSelectie({"abc"}));
    QVERIFY(!grila.Editeaza(1, 0));

    QString dupaOk;
    LaDialogulModal<TExcelSelectieColoana>([&](TExcelSelectieColoana& d) {
        d.ButonOk()->click();
        QVERIFY(d.isVisible());
        QVERIFY(d.EtichetaSelectie()->isHidden());
        const QRect celula = d.Grila()->visualRect(d.Grila()->model()->index(3, 4));
        QTest::mouseClick(d.Grila()->viewport(), Qt::LeftButton, Qt::NoModifier, celula.center());
        QCOMPARE(d.ColoanaSelectata(), QString("E"));
        QVERIFY(d.EtichetaSelectie()->isVisible());
        QCOMPARE(d.EtichetaSelectie()->text(), QString("Ati selectat coloana E"));
        const QColor evidentiat = d.palette().color(QPalette::Highlight);
        QCOMPARE(d.Grila()->AspectCelula(4, 0, false).Fundal, evidentiat);
        QCOMPARE(d.Grila()->AspectCelula(4, 6, false).Font.Culoare, d.palette().color(QPalette::HighlightedText));
        QVERIFY(d.Grila()->AspectCelula(3, 0, false).Fundal != evidentiat);
        d.ButonOk()->click();
        dupaOk = d.isVisible() ? "deschis" : "inchis";
    });
    asistent.ColoanaCnp()->Buton()->click();
    QCOMPARE(dupaOk, QString("inchis"));
    QCOMPARE(asistent.ColoanaCnp()->Edit()->text(), QString("E"));
    QVERIFY(asistent.ColoanaCnp()->Edit()->isReadOnly());

    // Kept between openings: "Ok" closes at once; "Renunt" leaves the chooser as it was.
    TAlegereColoana& nume = *asistent.Campuri().at(0)->Coloana();
    LaDialogulModal<TExcelSelectieColoana>([](TExcelSelectieColoana& d) { d.Ok(); });
    nume.Alege();
    QCOMPARE(nume.Coloana(), QString("E"));
    LaDialogulModal<TExcelSelectieColoana>([](TExcelSelectieColoana& d) {
        d.SelecteazaColoana(1);
        d.ButonRenunt()->click();
    });
    nume.Alege();
    QCOMPARE(nume.Coloana(), QString("E"));

    // Reading the sheet again makes a new dialog, with nothing chosen.
    asistent.Inapoi();
    asistent.Inainte();
    QCOMPARE(asistent.PaginaCurenta(), 2);
    QVERIFY(asistent.SelectieColoana()->ColoanaSelectata().isEmpty());
    QVERIFY(prompt.Mesaje().isEmpty());
}

// "Cauta ..." offers every workbook format; a file that cannot be read shows why and leaves
// the file, the sheets and the chosen sheet as they were.
void TestAsistentImport::fisierulSeAlegeSiUnulNecitibilNuSchimbaNimic()
{
    TPromptTest prompt;
    TImportExcelExpert asistent(CampuriDouaFormulare());
    QStringList filtre;
    auto alege = [&](const QString& fisier) {
        LaDialogulModal<QFileDialog>([&filtre, fisier](QFileDialog& d) {
            filtre = d.nameFilters();
            QCOMPARE(d.fileMode(), QFileDialog::ExistingFile);
            // The dialog leaves the name box alone while the box has the focus.
            if (QWidget* focus = d.focusWidget())
                focus->clearFocus();
            d.selectFile(Fixtura(fisier));
            static_cast<QDialog&>(d).accept();
            if (d.isVisible())
                d.reject();
        });
        asistent.ButonCauta()->click();
    };
    alege(Catalog);
    QCOMPARE(filtre, (QStringList{"Foi de calcul (*.xls *.xlsx *.xlsm *.ods *.csv)", "Toate fisierele (*)"}));
    QCOMPARE(asistent.NumeFisier()->text(), QDir::toNativeSeparators(Fixtura(Catalog)));
    QVERIFY(asistent.Foi()->isEnabled());
    QCOMPARE(asistent.Foi()->count(), 2);
    QCOMPARE(asistent.Foi()->itemText(0), QString("Clasa a VIII-a A"));
    QCOMPARE(asistent.Foi()->itemText(1), QString("Note finale"));
    QCOMPARE(asistent.Foi()->currentIndex(), -1);
    asistent.Foi()->setCurrentIndex(1);

    alege("trunchiat.xlsx");
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Eroare),
             QStringList{"Fisierul \"trunchiat.xlsx\" este deteriorat sau incomplet si nu poate fi citit."});
    QCOMPARE(asistent.NumeFisier()->text(), QDir::toNativeSeparators(Fixtura(Catalog)));
    QCOMPARE(asistent.Foi()->count(), 2);
    QCOMPARE(asistent.Foi()->currentIndex(), 1);

    // A second workbook replaces the first's sheets.
    alege("registru.ods");
    QCOMPARE(asistent.NumeFisier()->text(), QDir::toNativeSeparators(Fixtura("registru.ods")));
    QCOMPARE(asistent.Foi()->currentIndex(), -1);
    QStringList foi;
    for (int i = 0; i < asistent.Foi()->count(); ++i)
        foi << asistent.Foi()->itemText(i);
    QFile asteptat(Fixtura("registru.ods.foi.txt"));
    QVERIFY(asteptat.open(QIODevice::ReadOnly));
    QCOMPARE(foi, QString::fromUtf8(asteptat.readAll()).split('\n', Qt::SkipEmptyParts));

    // A name typed or pasted opens when the user leaves the box; one that cannot be read
    // leaves the sheets of the file open before.
    asistent.NumeFisier()->setText(Fixtura(Catalog));
    emit asistent.NumeFisier()->editingFinished();
    QCOMPARE(asistent.Foi()->count(), 2);
    prompt.Goleste();
    asistent.NumeFisier()->setText(Fixtura("nu-exista.xlsx"));
    emit asistent.NumeFisier()->editingFinished();
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Eroare).size(), 1);
    QCOMPARE(asistent.Foi()->count(), 2);
}

// A workbook that opens but whose sheet cannot be read keeps page 1, with the cursor back.
void TestAsistentImport::foaiaNecitibilaRedaCursorul()
{
    TPromptTest prompt;
    TImportExcelExpert asistent(CampuriDouaFormulare());
    asistent.Inainte();
    Bifeaza(asistent, "PV");
    asistent.Inainte();
    asistent.DeschideFisier(Fixtura("bomba.xlsx"));
    asistent.Foi()->setCurrentIndex(0);
    asistent.Inainte();
    QCOMPARE(asistent.PaginaCurenta(), 1);
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Eroare),
             QStringList{"Fisierul \"bomba.xlsx\" este prea mare pentru a fi citit."});
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(!asistent.SelectieColoana());
}

// Whatever the wizard's end, the list is read again and keeps its search text.
void TestAsistentImport::listaSeReincarcaDupaRenunt()
{
    TPromptTest prompt;
    const int ion = AdaugaInregistrare(*m_dm, "ELEVI");
    ScrieValoare(*m_dm, "ELEVI", ion, "PV.FATA.C_NUME", "Ionescu");
    TPraventMain fereastra;
    QVERIFY(fereastra.ImportdinExcel1()->isEnabled());
    TListaElevi& lista = *fereastra.ListaElevi();
    lista.RzEdit1()->setText("Pop");
    QVERIFY(lista.LiniiAfisate().isEmpty());
    LaDialogulModal<TImportExcelExpert>([this](TImportExcelExpert& asistent) {
        const int popa = AdaugaInregistrare(*m_dm, "ELEVI");
        ScrieValoare(*m_dm, "ELEVI", popa, "PV.FATA.C_NUME", "Popa");
        asistent.ButonRenunt()->click();
    });
    fereastra.ImportdinExcel1()->trigger();
    QCOMPARE(lista.RzEdit1()->text(), QString("Pop"));
    QCOMPARE(lista.Linii().size(), size_t(2));
    QCOMPARE(lista.LiniiAfisate().size(), 1);
    QVERIFY(lista.LiniiAfisate().at(0).startsWith("Popa"));
    QVERIFY(prompt.Mesaje().isEmpty());
}

// The wizard walked twice from the menu with the choices of the command line gives the
// database the command line gives, tells the counts, and the list shows the pupils.
void TestAsistentImport::aceeasiBazaCaLiniaDeComanda()
{
    QStringList argumente{"--import", Fixtura(CatalogImport), "--cnp-column", "C", "--forms", "PV"};
    for (const QString& alegere : AlegeriClasa)
        argumente << "--field" << alegere;
    m_mediu->OpresteDM();
    for (int trecere = 0; trecere < 2; ++trecere) {
        const TRezultatProces r = RuleazaProgramul(argumente, m_mediu->Dosar());
        QVERIFY2(r.CodIesire == 0, qPrintable(r.Erori));
    }
    const QStringList dinComanda = ContinutBaza(m_mediu->PornesteDM());
    cleanup();
    init();

    TPromptTest prompt;
    TPraventMain fereastra;
    QStringList detalii;
    for (int trecere = 0; trecere < 2; ++trecere) {
        int rezultat = -1;
        DinMeniu(fereastra, [&](TImportExcelExpert& asistent) {
            Parcurge(asistent, "Clasa a VIII-a B", AlegeriClasa);
            asistent.Inainte();
            rezultat = asistent.result();
        });
        QCOMPARE(rezultat, int(QDialog::Accepted));
        QCOMPARE(prompt.Texte(TPromptTest::Fel::Informatie), QStringList{"Am finalizat preluarea din Excel cu succes"});
        detalii << prompt.Mesaje().constLast().Detalii;
        prompt.Goleste();
    }
    QCOMPARE(detalii, (QStringList{"Elevi noi: 5, elevi actualizati: 0", "Elevi noi: 0, elevi actualizati: 5"}));
    QCOMPARE(ContinutBaza(*m_dm), dinComanda);
    QVERIFY(dinComanda.contains("2 PV.FATA.C_ABREVIERE=dl 0.0000"));
    QCOMPARE(fereastra.ListaElevi()->LiniiAfisate().size(), 5);
}

// "Renunt" in the progress window stops after the row in hand: the rows before stay, the
// count is told, no success; the wizard stays, and the list shows them once it is closed.
void TestAsistentImport::renuntInTimpulPreluarii()
{
    TPromptTest prompt;
    TPraventMain fereastra;
    QTimer opreste;
    QObject::connect(&opreste, &QTimer::timeout, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* p = qobject_cast<QProgressDialog*>(w); p && p->value() >= 2)
                p->cancel();
    });
    QString eticheta;
    DinMeniu(fereastra, [&](TImportExcelExpert& asistent) {
        Parcurge(asistent, "Clasa a VIII-a B", AlegeriClasa);
        QObject::connect(&opreste, &QTimer::timeout, [&eticheta] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* p = qobject_cast<QProgressDialog*>(w))
                    eticheta = p->labelText();
        });
        opreste.start(0);
        asistent.Inainte();
        opreste.stop();
        QVERIFY(asistent.isVisible());
        QCOMPARE(asistent.PaginaCurenta(), int(TImportExcelExpert::PaginaGata));
        asistent.ButonRenunt()->click();
    });
    QCOMPARE(eticheta, QString("Preiau elevul 3 din 5"));
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Informatie),
             QStringList{"Preluarea a fost oprita. Elevi noi: 2, elevi actualizati: 0"});
    QCOMPARE(ColoanaSql(*m_dm, "SELECT COUNT(*) FROM ELEVI"), QStringList{"2"});
    QCOMPARE(fereastra.ListaElevi()->LiniiAfisate().size(), 2);
}

// A row that cannot be written shows why and where; the wizard stays on its page.
void TestAsistentImport::randEsuatLasaAsistentulPePagina()
{
    TPromptTest prompt;
    TImportExcelExpert asistent;
    Parcurge(asistent, "Lungi", AlegeriClasa + QStringList{"PV.SPATE.C_LB_MATERNA=coloana:H"});
    asistent.Inainte();
    QCOMPARE(asistent.PaginaCurenta(), int(TImportExcelExpert::PaginaGata));
    QVERIFY(asistent.result() != QDialog::Accepted);
    QVERIFY(prompt.Texte(TPromptTest::Fel::Informatie).isEmpty());
    const QStringList erori = prompt.Texte(TPromptTest::Fel::Eroare);
    QCOMPARE(erori.size(), 1);
    QVERIFY2(erori.first().startsWith("Randul 6 (CNP 6081224123457) nu a putut fi preluat"), qPrintable(erori.first()));
    QCOMPARE(ColoanaSql(*m_dm, "SELECT COUNT(*) FROM ELEVI"), QStringList{"2"});
}

// A class imported once: the next workbook with the same header row is offered the same
// CNP column and the same source for every field, and a damaged remembered layout is left.
void TestAsistentImport::asezareaSeRetineDupaCapulDeTabel()
{
    TPromptTest prompt;
    const auto panaLaCnp = [](TImportExcelExpert& asistent) {
        asistent.Inainte();
        Bifeaza(asistent, "PV");
        asistent.Inainte();
        asistent.DeschideFisier(Fixtura(CatalogImport));
        asistent.Foi()->setCurrentIndex(asistent.Foi()->findText("Clasa a VIII-a B"));
        asistent.Inainte();
        QCOMPARE(asistent.PaginaCurenta(), int(TImportExcelExpert::PaginaCnp));
    };
    {
        TImportExcelExpert nou;
        panaLaCnp(nou);
        QVERIFY(nou.AsezareRegasita()->isHidden());
    }
    TImportExcelExpert prima;
    Parcurge(prima, "Clasa a VIII-a B", AlegeriClasa);
    prima.Inainte();
    QCOMPARE(prima.result(), int(QDialog::Accepted));

    TImportExcelExpert aDoua;
    panaLaCnp(aDoua);
    QVERIFY(!aDoua.AsezareRegasita()->isHidden());
    QCOMPARE(aDoua.ColoanaCnp()->Coloana(), QString("C"));
    TComandaImport comanda;
    comanda.Campuri = AlegeriClasa;
    const std::vector<TSursaCamp> asteptate = SurseDinComanda(comanda, CampuriImportabile());
    for (size_t i = 0; i < asteptate.size(); ++i) {
        const TSursaCamp sursa = aDoua.Campuri().at(i)->Sursa();
        const TSursaCamp& asteptata = asteptate.at(i);
        QCOMPARE(sursa.IdCamp, asteptata.IdCamp);
        QCOMPARE(sursa.NuImport, asteptata.NuImport);
        if (sursa.NuImport)
            continue;
        QCOMPARE(DescriereSursa(sursa), DescriereSursa(asteptata));
    }

    // What the settings hold is the user's file: a layout that does not read back is ignored.
    {
        QSettings setari = DeschideSetari();
        setari.beginGroup("2006/Import");
        for (const QString& cheie : setari.childKeys())
            setari.setValue(cheie, QStringList{"cnp=C", "PV.FATA.C_NUME=coloana:ZZZZ"});
    }
    TImportExcelExpert aTreia;
    panaLaCnp(aTreia);
    QVERIFY(aTreia.AsezareRegasita()->isHidden());
    QVERIFY(aTreia.ColoanaCnp()->Coloana().isEmpty());
}

QTEST_MAIN(TestAsistentImport)
#include "tst_asistentimport.moc"
