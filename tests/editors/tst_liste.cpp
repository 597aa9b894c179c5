#include "db/valoarecamp.h"
#include "editors/adaugaelev.h"
#include "editors/brvnumedit.h"
#include "editors/editeaza.h"
#include "editors/editorcampnota.h"
#include "editors/editorcampsimplu.h"
#include "editors/editorcamptext.h"
#include "editors/editorgenericcomplex.h"
#include "editors/listaelevi.h"
#include "editors/listacomuna.h"
#include "editors/listagenerica.h"
#include "support/datetest.h"
#include "support/dialogmodal.h"
#include "support/editorpentru.h"
#include "support/mediutest.h"
#include "support/prompttest.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

void Selecteaza(QTreeWidget* vt, int rand)
{
    vt->topLevelItem(rand)->setSelected(true);
}

} // namespace

class TestListe : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void cautare_data();
    void cautare();
    void stergereElev();
    void elevNouCuNotaRefuzata();
    void elevExistentRescrieToateCampurile();
    void esecLaSalvareLasaDialogulDeschis();
    void renuntNuReincarca();
    void modificaDinLista();
    void tastatura();
    void listaScolii();

private:
    int Elev(const QString& nume, const QString& prenume, const QString& cnp)
    {
        const int id = AdaugaInregistrare(*m_dm, "ELEVI");
        ScrieValoare(*m_dm, "ELEVI", id, "PV.FATA.C_NUME", nume);
        ScrieValoare(*m_dm, "ELEVI", id, "PV.FATA.C_PRENUME", prenume);
        ScrieValoare(*m_dm, "ELEVI", id, "PV.FATA.C_CNP", cnp);
        return id;
    }
    QStringList Sql(const QString& sql) { return ColoanaSql(*m_dm, sql); }

    std::unique_ptr<TMediuTest> m_mediu;
    TDM* m_dm = nullptr;
};

void TestListe::init()
{
    m_mediu = std::make_unique<TMediuTest>();
    m_dm = &m_mediu->PornesteDM();
}

void TestListe::cleanup()
{
    m_mediu.reset();
}

void TestListe::cautare_data()
{
    QTest::addColumn<QString>("cautat");
    QTest::addColumn<QStringList>("afisate");
    const QString pop = "Pop Ana / Pop Ana (1)", popescu = "Popescu Dan / Popescu Dan (2)", ion = "Ion Ion / Ion Ion ()";
    QTest::newRow("empty") << "" << QStringList{pop, popescu, ion};
    QTest::newRow("blanks only") << "   " << QStringList{pop, popescu, ion};
    QTest::newRow("substring") << "Pop" << QStringList{pop, popescu};
    QTest::newRow("trailing blank counts") << "Pop " << QStringList{pop};
    QTest::newRow("any case") << "pop" << QStringList{pop, popescu};
    QTest::newRow("nothing") << "Zz" << QStringList{};
    QTest::newRow("code") << "(2)" << QStringList{popescu};
}

void TestListe::cautare()
{
    QFETCH(QString, cautat);
    QFETCH(QStringList, afisate);
    Elev("Pop", "Ana", "1");
    Elev("Popescu", "Dan", "2");
    Elev("Ion", "Ion", "");
    TListaElevi lista;
    lista.Reincarca();
    QCOMPARE(lista.LiniiAfisate().size(), 3);
    QTest::keyClicks(lista.RzEdit1(), cautat);
    QCOMPARE(lista.LiniiAfisate(), afisate);
    QCOMPARE(lista.NumarAfisati(), int(afisate.size()));
    QCOMPARE(lista.MesajListaGoala().isEmpty(), !afisate.isEmpty());
    if (afisate.isEmpty())
        QCOMPARE(lista.MesajListaGoala(), QString("Niciun elev nu se potriveste cautarii \"%1\".").arg(cautat));
    lista.Reincarca();
    QCOMPARE(lista.LiniiAfisate(), afisate);
}

void TestListe::stergereElev()
{
    TPromptTest prompt;
    Elev("Pop", "Ana", "1");
    const int sters = Elev("Popescu", "Dan", "2");
    TListaElevi lista;
    lista.Reincarca();
    lista.Sterge();
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Informatie), QStringList{"Va rog selectati un elev!"});
    lista.RzEdit1()->setText("Pop");
    Selecteaza(lista.VT(), 1);
    prompt.RaspundeLaConfirmari({false, true});
    lista.Sterge();
    QCOMPARE(Sql("SELECT COUNT(*) FROM ELEVI"), QStringList{"2"});
    lista.Sterge();
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Confirmare),
             QStringList(2, "Doriti sa stergeti elevul: Popescu Dan / Popescu Dan (2)?"));
    QCOMPARE(Sql("SELECT COUNT(*) FROM \"DATE\" WHERE ID_ELEVI=" + QString::number(sters)), QStringList{"0"});
    QCOMPARE(lista.RzEdit1()->text(), QString("Pop"));
    QCOMPARE(lista.LiniiAfisate(), QStringList{"Pop Ana / Pop Ana (1)"});
}

void TestListe::elevNouCuNotaRefuzata()
{
    TPromptTest prompt;
    TAdaugaElev dialog;
    QCOMPARE(dialog.windowTitle(), QString("Adauga elev"));
    dialog.PregatesteNou();
    const TEditorGenericComplex& pagina = *dialog.Pagina();
    EditorPentru<TEditorCampText>(pagina, "C_NUME")->RzComboBox1()->setEditText("Pop");
    EditorPentru<TEditorCampCNP>(pagina, "C_CNP")->RzEdit1()->setText("1900101123457");
    TBrvNumEdit* nota = EditorPentru<TEditorCampNota>(pagina, "C_MATEMATICA")->BrvNumEdit1();
    QTest::keyClicks(nota, "4,99");
    dialog.Ok();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Avertisment), QStringList{"Nota este prea mica: Nota obtinuta la matematica"});
    QCOMPARE(Sql("SELECT COUNT(*) FROM ELEVI"), QStringList{"0"});
    nota->clear();
    QTest::keyClicks(nota, "9.5");
    dialog.Ok();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(Sql("SELECT ID_ELEVI FROM ELEVI"), QStringList{"1"});
    QCOMPARE(Sql("SELECT COUNT(*) FROM \"DATE\" WHERE ID_ELEVI=1"), QStringList{"13"});
    QCOMPARE(Sql("SELECT VALOARE_TEXT FROM \"DATE\" WHERE COD_CAMP='C_MATEMATICA'"), QStringList{"9,5"});
    QVERIFY(!m_dm->Tr().Active());
}

void TestListe::elevExistentRescrieToateCampurile()
{
    const int id = Elev("Pop", "Ana", "1900101123457");
    ExecutaSql(*m_dm, "UPDATE \"DATE\" SET VALOARE_NUM=5");
    TAdaugaElev dialog;
    dialog.PregatesteExistent(id);
    dialog.Ok();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(Sql("SELECT COUNT(*) FROM \"DATE\" WHERE ID_ELEVI=1"), QStringList{"13"});
    QCOMPARE(Sql("SELECT DISTINCT VALOARE_NUM FROM \"DATE\""), QStringList{"0"});
    QCOMPARE(Sql("SELECT COUNT(*) FROM ELEVI"), QStringList{"1"});
}

void TestListe::esecLaSalvareLasaDialogulDeschis()
{
    TPromptTest prompt;
    const int id = Elev("Pop", "Ana", "1900101123457");
    TAdaugaElev dialog;
    dialog.PregatesteExistent(id);
    EditorPentru<TEditorCampText>(*dialog.Pagina(), "C_NUME")->RzComboBox1()->setEditText("Popa");
    // The pupil disappears behind the dialog's back: the save fails on its foreign key.
    ExecutaSql(*m_dm, "DELETE FROM ELEVI");
    dialog.Ok();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Eroare).size(), 1);
    QVERIFY(!m_dm->Tr().Active());
    QCOMPARE(Sql("SELECT COUNT(*) FROM \"DATE\""), QStringList{"0"});
    QCOMPARE(EditorPentru<TEditorCampText>(*dialog.Pagina(), "C_NUME")->RzComboBox1()->currentText(), QString("Popa"));
}

void TestListe::renuntNuReincarca()
{
    TPromptTest prompt;
    TListaElevi lista;
    lista.Reincarca();
    Elev("Pop", "Ana", "1");
    LaDialogulModal<TAdaugaElev>([](TAdaugaElev& d) { d.Renunt(); });
    lista.Adauga();
    QCOMPARE(Sql("SELECT COUNT(*) FROM ELEVI"), QStringList{"1"});
    QCOMPARE(lista.LiniiAfisate(), QStringList{});
    LaDialogulModal<TAdaugaElev>([](TAdaugaElev& d) { d.Ok(); });
    lista.Adauga();
    QCOMPARE(lista.LiniiAfisate(), (QStringList{"Pop Ana / Pop Ana (1)", "  /   ()"}));
}

void TestListe::modificaDinLista()
{
    TPromptTest prompt;
    Elev("Pop", "Ana", "1900101123457");
    TListaElevi lista;
    lista.Reincarca();
    lista.Modifica();
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Informatie), QStringList{"Va rog selectati un elev!"});
    Selecteaza(lista.VT(), 0);
    LaDialogulModal<TAdaugaElev>([](TAdaugaElev& d) {
        QCOMPARE(d.IdElev(), 1);
        EditorPentru<TEditorCampText>(*d.Pagina(), "C_PRENUME")->RzComboBox1()->setEditText("Maria");
        d.Ok();
    });
    lista.Modifica();
    QCOMPARE(lista.LiniiAfisate(), QStringList{"Pop Maria / Pop Maria (1900101123457)"});
    // The pupil just saved stays selected.
    QCOMPARE(IdSelectat(*lista.VT()), std::optional<int>(1));
}

// Every action of the list from the keyboard, and the buttons that need a pupil wait for one.
void TestListe::tastatura()
{
    TPromptTest prompt;
    TListaElevi lista;
    lista.show();
    QApplication::setActiveWindow(&lista);
    QVERIFY(QTest::qWaitForWindowActive(&lista));
    lista.Reincarca();
    QVERIFY(lista.MesajListaGoala().contains("Primii pasi"));
    QVERIFY(!lista.ButonModifica()->isEnabled() && !lista.ButonSterge()->isEnabled());

    LaDialogulModal<TAdaugaElev>([](TAdaugaElev& d) {
        EditorPentru<TEditorCampText>(*d.Pagina(), "C_NUME")->RzComboBox1()->setEditText("Pop");
        d.Ok();
    });
    QTest::keyClick(lista.VT(), Qt::Key_Insert);
    QCOMPARE(lista.LiniiAfisate(), QStringList{"Pop  / Pop  ()"});
    prompt.Goleste();
    QVERIFY(lista.MesajListaGoala().isEmpty());
    // The new pupil is selected: the buttons that act on it are ready.
    QVERIFY(lista.ButonModifica()->isEnabled() && lista.ButonSterge()->isEnabled());

    // Back from a dialog, the list's window is the active one again.
    const auto inLista = [&lista] {
        QApplication::setActiveWindow(&lista);
        lista.VT()->setFocus();
        QVERIFY(lista.VT()->hasFocus());
    };
    inLista();
    int deschise = 0;
    LaDialogulModal<TAdaugaElev>([&deschise](TAdaugaElev& d) {
        ++deschise;
        QCOMPARE(d.IdElev(), 1);
        d.Renunt();
    });
    QTest::keyClick(lista.VT(), Qt::Key_Return);
    QCOMPARE(deschise, 1);
    QCOMPARE(lista.VT()->topLevelItemCount(), 1);

    inLista();
    prompt.RaspundeLaConfirmari({false});
    QTest::keyClick(lista.VT(), Qt::Key_Delete);
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Confirmare), QStringList{"Doriti sa stergeti elevul: Pop  / Pop  ()?"});

    QTest::keyClick(lista.VT(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(lista.RzEdit1()->hasFocus());
    // Del in the search box edits the search, it deletes no pupil.
    QTest::keyClicks(lista.RzEdit1(), "x");
    QTest::keyClick(lista.RzEdit1(), Qt::Key_Backspace);
    QTest::keyClick(lista.RzEdit1(), Qt::Key_Delete);
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Confirmare).size(), 1);
    QCOMPARE(Sql("SELECT COUNT(*) FROM ELEVI"), QStringList{"1"});
}

void TestListe::listaScolii()
{
    TPromptTest prompt;
    TListaGenerica lista;
    lista.NumeTabel = "SCOALA";
    lista.Reincarca();
    QCOMPARE(lista.VT()->topLevelItemCount(), 0);
    lista.Sterge();
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Informatie), QStringList{"Va rog selectati o linie!"});

    LaDialogulModal<TEditeaza>([](TEditeaza& d) {
        QCOMPARE(d.windowTitle(), QString("Editeaza"));
        EditorPentru<TEditorCampText>(*d.Pagina(), "C_JUDETUL")->RzComboBox1()->setEditText("Alba");
        EditorPentru<TEditorCampText>(*d.Pagina(), "D_UNITATEA")->RzComboBox1()->setEditText("Scoala nr. 1");
        EditorPentru<TEditorCampSirues>(*d.Pagina(), "C_COD_SIRUES")->RzEdit1()->setText("1234");
        d.Ok();
    });
    lista.Adauga();
    QCOMPARE(lista.VT()->topLevelItem(0)->text(0), QString("Alba  Scoala nr. 1 1234"));
    QCOMPARE(Sql("SELECT COUNT(*) FROM \"DATE\" WHERE ID_SCOALA=1 AND ID_ELEVI IS NULL"), QStringList{"9"});

    // A pupil's certificate takes the school's values.
    const int elev = Elev("Pop", "Ana", "1");
    QCOMPARE(ValoareCamp({"PV", "SPATE", "D_JUDETUL"}, elev), QString("Alba"));

    Selecteaza(lista.VT(), 0);
    prompt.RaspundeLaConfirmari({true});
    lista.Sterge();
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Confirmare), QStringList{"Doriti sa stergeti linia: "});
    QCOMPARE(lista.VT()->topLevelItemCount(), 0);
    QCOMPARE(Sql("SELECT COUNT(*) FROM \"DATE\" WHERE ID_SCOALA IS NOT NULL"), QStringList{"0"});
}

QTEST_MAIN(TestListe)
#include "tst_liste.moc"
