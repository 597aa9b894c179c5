#include "app/praventmain.h"
#include "editors/configurarediploma.h"
#include "editors/editorgenericcomplex.h"
#include "editors/listaelevi.h"
#include "editors/modificalinieprofil.h"
#include "forms/butonformular.h"
#include "print/handlerpravent.h"
#include "support/datetest.h"
#include "support/mediutest.h"
#include "support/prompttest.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

class TestConfigurare : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void listaLiniilor();
    void valoareNecunoscutaDevineNU();
    void asociatCuMutaLiniaPeAltaPagina();
    void schimbareaAratEditorul();
    void fereastraPrincipala();

private:
    QString Onorez(const QString& camp)
    {
        return ColoanaSql(*m_dm, "SELECT ONOREZ_SIMILAR FROM PROFIL_DIPLOMA WHERE COD_PAGINA='FATA' AND COD_CAMP='" + camp
                                     + "'")
            .value(0);
    }

    std::unique_ptr<TMediuTest> m_mediu;
    TDM* m_dm = nullptr;
};

void TestConfigurare::init()
{
    m_mediu = std::make_unique<TMediuTest>();
    m_dm = &m_mediu->PornesteDM();
}

void TestConfigurare::cleanup()
{
    m_mediu.reset();
}

void TestConfigurare::listaLiniilor()
{
    TPromptTest prompt;
    TConfigurareDiploma dialog;
    QCOMPARE(dialog.windowTitle(), QString("Configurare Diploma"));
    QCOMPARE(dialog.VT()->topLevelItemCount(), 50);
    const QTreeWidgetItem* primul = dialog.VT()->topLevelItem(0);
    QCOMPARE(dialog.Linii().front().CodCamp, QString("C_ABREVIERE"));
    QCOMPARE(primul->text(0), QString("[Candidat]Abreviere{cotor}"));
    QCOMPARE(primul->text(1), QString("DA"));
    QCOMPARE(primul->text(2), QString("ELEVI"));
    dialog.Modifica();
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Informatie), QStringList{"Va rog selectati o linie pentru a o modifica!"});
}

void TestConfigurare::valoareNecunoscutaDevineNU()
{
    SeteazaOnorez(*m_dm, "PV.FATA.D_CNP", "OPTIONAL");
    TModificaLinieProfil dialog;
    dialog.Pregateste("PV", "FATA", "D_CNP");
    QCOMPARE(dialog.RzComboBox1()->currentText(), QString("NU"));
    QCOMPARE(dialog.RzComboBox2()->currentText(), QString("ELEVI"));
    dialog.Ok();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(Onorez("D_CNP"), QString("NU"));
    dialog.Pregateste("PV", "FATA", "D_ARTICOL");
    QCOMPARE(dialog.RzComboBox1()->currentText(), QString("DA"));
    dialog.RzComboBox1()->setCurrentIndex(1);
    dialog.Ok();
    QCOMPARE(Onorez("D_ARTICOL"), QString("SELECTIV"));
    QVERIFY(!m_dm->Tr().Active());
}

void TestConfigurare::asociatCuMutaLiniaPeAltaPagina()
{
    TModificaLinieProfil dialog;
    dialog.Pregateste("PV", "FATA", "C_SESIUNEA");
    // Only a table can be chosen, so no blank can come around its name.
    dialog.RzComboBox2()->setCurrentText("ELEVI");
    dialog.Ok();
    QCOMPARE(ColoanaSql(*m_dm, "SELECT '<' || ASOCIAT_CU || '>' FROM PROFIL_DIPLOMA WHERE COD_PAGINA='FATA' AND "
                               "COD_CAMP='C_SESIUNEA'"),
             QStringList{"<ELEVI>"});
    // The line has left the school's page.
    TEditorGenericComplex pagina;
    pagina.Construieste(-1, -1, "SCOALA");
    QCOMPARE(pagina.Editoare().size(), 8);
}

void TestConfigurare::schimbareaAratEditorul()
{
    TConfigurareDiploma dialog;
    int rand = -1;
    for (int i = 0; i < int(dialog.Linii().size()); ++i)
        if (dialog.Linii().at(i).CodPagina == "FATA" && dialog.Linii().at(i).CodCamp == "D_CNP")
            rand = i;
    dialog.VT()->topLevelItem(rand)->setSelected(true);
    QTimer::singleShot(50, [] {
        auto* modifica = qobject_cast<TModificaLinieProfil*>(QApplication::activeModalWidget());
        QVERIFY(modifica);
        modifica->RzComboBox1()->setCurrentText("NU");
        modifica->Ok();
    });
    dialog.Modifica();
    QCOMPARE(dialog.VT()->topLevelItem(rand)->text(1), QString("NU"));
    TEditorGenericComplex pagina;
    pagina.Construieste(-1, -1, "ELEVI");
    QCOMPARE(pagina.Editoare().size(), 14);
}

void TestConfigurare::fereastraPrincipala()
{
    const int elev = AdaugaInregistrare(*m_dm, "ELEVI");
    ScrieValoare(*m_dm, "ELEVI", elev, "PV.FATA.C_NUME", "Pop");
    InregistreazaHandlerPravent(); // as the start-up does
    TPraventMain fereastra;
    QVERIFY(fereastra.Configurarediploma1()->isEnabled());
    QVERIFY(fereastra.Configurarescoala1()->isEnabled());
    QVERIFY(fereastra.Configurareimprimanta2()->isEnabled());
    QVERIFY(fereastra.ImportdinExcel1()->isEnabled());
    QCOMPARE(fereastra.centralWidget(), fereastra.ListaElevi());
    QCOMPARE(fereastra.ListaElevi()->LiniiAfisate(), QStringList{"Pop  / Pop  ()"});
    // The certificate is the one printable form.
    QCOMPARE(fereastra.ListaElevi()->ButoaneFormular().size(), 1);
    QCOMPARE(fereastra.ListaElevi()->ButoaneFormular().at(0)->text(), QString("Pravent"));
    QCOMPARE(fereastra.ListaElevi()->Panel2()->width(), 140);
}

QTEST_MAIN(TestConfigurare)
#include "tst_configurare.moc"
