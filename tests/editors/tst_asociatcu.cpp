// The table a field belongs to is one of the tables, exactly, and the user's choice of it
// lasts.
#include "db/valoarecamp.h"
#include "editors/editorcamptext.h"
#include "editors/editorgenericcomplex.h"
#include "editors/modificalinieprofil.h"
#include "support/datetest.h"
#include "support/editorpentru.h"
#include "support/mediutest.h"
#include "support/prompttest.h"

#include <QComboBox>
#include <QLabel>
#include <QtTest>

class TestAsociatCu : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void doarTabeleleSuntOferite();
    void numeleInAltaScriereNuEsteTabel();
    void alegereaUtilizatoruluiRamaneLaRepornire();

private:
    QString AsociatCu(const QString& camp)
    {
        return ColoanaSql(*m_dm, "SELECT ASOCIAT_CU FROM PROFIL_DIPLOMA WHERE COD_PAGINA='FATA' AND COD_CAMP='" + camp + "'")
            .value(0);
    }
    // Chooses the table of a line in the dialog and confirms it.
    void Alege(const QString& camp, const QString& tabel)
    {
        TModificaLinieProfil dialog;
        dialog.Pregateste("PV", "FATA", camp);
        dialog.RzComboBox2()->setCurrentText(tabel);
        dialog.Ok();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    std::unique_ptr<TMediuTest> m_mediu;
    TDM* m_dm = nullptr;
};

void TestAsociatCu::init()
{
    m_mediu = std::make_unique<TMediuTest>();
    m_dm = &m_mediu->PornesteDM();
}

void TestAsociatCu::cleanup()
{
    m_mediu.reset();
}

void TestAsociatCu::doarTabeleleSuntOferite()
{
    TPromptTest prompt;
    TModificaLinieProfil dialog;
    dialog.Pregateste("PV", "FATA", "C_NUME");
    QStringList oferite;
    for (int i = 0; i < dialog.RzComboBox2()->count(); ++i)
        oferite << dialog.RzComboBox2()->itemText(i);
    QCOMPARE(oferite, (QStringList{"ELEVI", "SCOALA"}));
    QVERIFY(!dialog.RzComboBox2()->isEditable());
    QCOMPARE(dialog.RzComboBox2()->currentText(), QString("ELEVI"));

    // A name stored by hand in another letter case is no table: nothing is chosen, and Ok
    // asks for a choice instead of writing it back.
    ExecutaSql(*m_dm, "UPDATE PROFIL_DIPLOMA SET ASOCIAT_CU='elevi' WHERE COD_PAGINA='FATA' AND COD_CAMP='C_NUME'");
    TModificaLinieProfil gresit;
    gresit.Pregateste("PV", "FATA", "C_NUME");
    QCOMPARE(gresit.RzComboBox2()->currentIndex(), -1);
    QCOMPARE(gresit.EtichetaProfil()->text(), QString("profil: ELEVI"));
    gresit.RzComboBox1()->setCurrentText("NU");
    gresit.Ok();
    QVERIFY(gresit.result() != int(QDialog::Accepted));
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Avertisment),
             QStringList{"Alegeti din lista \"Asociat cu\" tabelul caruia ii apartine campul."});
    QCOMPARE(AsociatCu("C_NUME"), QString("elevi"));
    QCOMPARE(ColoanaSql(*m_dm, "SELECT ONOREZ_SIMILAR FROM PROFIL_DIPLOMA WHERE COD_PAGINA='FATA' AND COD_CAMP='C_NUME'"),
             QStringList{"DA"});
}

void TestAsociatCu::numeleInAltaScriereNuEsteTabel()
{
    const int primul = AdaugaInregistrare(*m_dm, "ELEVI");
    const int alDoilea = AdaugaInregistrare(*m_dm, "ELEVI");
    ScrieValoare(*m_dm, "ELEVI", primul, "PV.FATA.C_NUME", "Pop");
    ScrieValoare(*m_dm, "ELEVI", alDoilea, "PV.FATA.C_NUME", "Ionescu");
    ExecutaSql(*m_dm, "UPDATE PROFIL_DIPLOMA SET ASOCIAT_CU='elevi' WHERE COD_PAGINA='FATA' AND COD_CAMP='C_NUME'");
    // Not the first pupil's surname for every pupil.
    QCOMPARE(ValoareCamp({"PV", "FATA", "C_NUME"}, alDoilea), QString());
    QCOMPARE(ValoareCamp({"PV", "FATA", "C_NUME"}, primul), QString());
    // The school's own fields still fall back on the school record.
    const int scoala = AdaugaInregistrare(*m_dm, "SCOALA");
    ScrieValoare(*m_dm, "SCOALA", scoala, "PV.FATA.C_JUDETUL", "Alba");
    QCOMPARE(ValoareCamp({"PV", "FATA", "C_JUDETUL"}, alDoilea), QString("Alba"));
}

void TestAsociatCu::alegereaUtilizatoruluiRamaneLaRepornire()
{
    const int elev = AdaugaInregistrare(*m_dm, "ELEVI");
    Alege("C_PRESEDINTE", "ELEVI");
    {
        TEditorGenericComplex pagina;
        pagina.Construieste(elev, -1, "ELEVI");
        auto* presedinte = EditorPentru<TEditorCampText>(pagina, "C_PRESEDINTE");
        QVERIFY(presedinte);
        presedinte->RzComboBox1()->setEditText("Ionescu");
        TGardaTranzactie tr(m_dm->Tr());
        presedinte->Salveaza(elev, -1, "ELEVI");
        tr.Commit();
    }
    m_mediu->OpresteDM();
    m_dm = &m_mediu->PornesteDM();
    QCOMPARE(AsociatCu("C_PRESEDINTE"), QString("ELEVI"));
    QCOMPARE(ValoareCamp({"PV", "FATA", "C_PRESEDINTE"}, elev), QString("Ionescu"));

    // Choosing the profile's table again is the way back; it lasts as well.
    Alege("C_PRESEDINTE", "SCOALA");
    m_mediu->OpresteDM();
    m_dm = &m_mediu->PornesteDM();
    QCOMPARE(AsociatCu("C_PRESEDINTE"), QString("SCOALA"));
    // A name that is no table, stored before the dialog refused such names, gets the profile's back.
    ExecutaSql(*m_dm, "UPDATE PROFIL_DIPLOMA SET ASOCIAT_CU='elevi' WHERE COD_PAGINA='FATA' AND COD_CAMP='C_NUME'");
    m_mediu->OpresteDM();
    m_dm = &m_mediu->PornesteDM();
    QCOMPARE(AsociatCu("C_NUME"), QString("ELEVI"));
}

QTEST_MAIN(TestAsociatCu)
#include "tst_asociatcu.moc"
