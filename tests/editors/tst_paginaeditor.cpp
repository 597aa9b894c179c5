#include "base/eroare.h"
#include "db/valoarecamp.h"
#include "editors/brvnumedit.h"
#include "editors/editorcampnota.h"
#include "editors/editorcampsimplu.h"
#include "editors/editorgenericcomplex.h"
#include "editors/liniegrupare.h"
#include "support/datetest.h"
#include "support/mediutest.h"

#include <QLabel>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

class TestPaginaEditor : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void desparteEticheta_data();
    void desparteEticheta();
    void titluTab();
    void paginaElevului();
    void paginaScolii();
    void onorezSchimbatAdaugaEditor();
    void tabCuAceleasiLitere();
    void tipNecunoscut();
    void impartireaLatimii();
    void salvareFaraTranzactie();

private:
    QStringList Etichete(const TEditorGenericComplex& pagina)
    {
        QStringList etichete;
        for (const TEditorGeneric* e : pagina.Editoare())
            etichete << e->CodPagina + "." + e->CodCamp;
        return etichete;
    }

    std::unique_ptr<TMediuTest> m_mediu;
    TDM* m_dm = nullptr;
};

void TestPaginaEditor::init()
{
    m_mediu = std::make_unique<TMediuTest>();
    m_dm = &m_mediu->PornesteDM();
}

void TestPaginaEditor::cleanup()
{
    m_mediu.reset();
}

void TestPaginaEditor::desparteEticheta_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("grup");
    QTest::addColumn<QString>("eticheta");
    QTest::addColumn<QString>("coada");
    QTest::newRow("profile") << "[Candidat]Numele elevului (linia 1){cotor}" << "Candidat"
                             << "Numele elevului (linia 1)" << "cotor";
    QTest::newRow("no brackets") << "CNP" << "" << "CNP" << "";
    QTest::newRow("both sides join") << "Nota [NOTA]obtinuta{x}rest[G]" << "NOTA" << "Nota obtinuta" << "x";
    QTest::newRow("brace inside group") << "[a{b]c" << "a{b" << "c" << "";
}

void TestPaginaEditor::desparteEticheta()
{
    QFETCH(QString, text);
    const TEticheta parti = DesparteEticheta(text);
    QTEST(parti.Grup, "grup");
    QTEST(parti.Eticheta, "eticheta");
    QTEST(parti.Coada, "coada");
}

void TestPaginaEditor::titluTab()
{
    QCOMPARE(ImparteTitluTab(SpatiereMajuscule("PV")), QString(" P V"));
    QCOMPARE(ImparteTitluTab("Formular de test pentru x"), QString("Formular de\r\ntest\r\npentru\r\nx"));
}

void TestPaginaEditor::paginaElevului()
{
    const int elev = AdaugaInregistrare(*m_dm, "ELEVI");
    ScrieValoare(*m_dm, "ELEVI", elev, "PV.FATA.C_NUME", "Pop");
    ScrieValoare(*m_dm, "ELEVI", elev, "PV.SPATE.C_MATEMATICA", "9,5");
    TEditorGenericComplex pagina;
    pagina.resize(500, 600);
    pagina.Construieste(elev, -1, "ELEVI");
    QVERIFY(!m_dm->Tr().Active());
    QCOMPARE(Etichete(pagina),
             (QStringList{"FATA.C_ABREVIERE", "FATA.C_NUME", "FATA.C_PRENUME", "FATA.C_CNP", "FATA.C_ARTICOL",
                          "FATA.D_NUME", "SPATE.C_LB_ROMANA", "SPATE.C_LB_MATERNA", "SPATE.C_LB_MATERNA_NOTA",
                          "SPATE.C_MATEMATICA", "SPATE.C_OPTIUNEA", "SPATE.C_OPT_NOTA", "SPATE.C_MEDIA_GEN"}));
    QCOMPARE(pagina.PC()->count(), 1);
    QVERIFY(pagina.PC()->tabBar()->isHidden());
    QCOMPARE(pagina.Editoare().at(1)->RzLabel1()->text(), QString("Numele elevului (linia 1)"));
    QCOMPARE(qobject_cast<TEditorCampNota*>(pagina.Editoare().at(9))->BrvNumEdit1()->text(), QString("9,50"));
    QVERIFY(qobject_cast<TEditorCampCNP*>(pagina.Editoare().at(3)));

    const QList<TFrmGrup*> grupuri = pagina.findChildren<TFrmGrup*>();
    QCOMPARE(grupuri.size(), 2);
    QCOMPARE(grupuri.at(0)->NumeGrup, QString("Candidat"));
    // Three editors of their own and the shared line, 36 pixels each, the title and 16.
    QCOMPARE(grupuri.at(0)->height(), 4 * 36 + grupuri.at(0)->EtichetaGrup()->height() + 16);
    const QList<TLinieGrupare*> linii = pagina.findChildren<TLinieGrupare*>();
    QCOMPARE(linii.size(), 3);
    QCOMPARE(linii.at(0)->Editoare().size(), 3);
    QCOMPARE(linii.at(0)->Editoare().at(1)->CodCamp, QString("C_NUME"));
    pagina.show();
    linii.at(0)->resize(620, 36);
    QCOMPARE(linii.at(0)->Editoare().at(0)->width(), 120);
    QCOMPARE(linii.at(0)->Editoare().at(1)->width(), 250);
    QCOMPARE(linii.at(0)->Editoare().at(2)->geometry(), QRect(370, 0, 250, 36));
}

void TestPaginaEditor::paginaScolii()
{
    TEditorGenericComplex pagina;
    pagina.Construieste(-1, -1, "SCOALA");
    QCOMPARE(pagina.Editoare().size(), 9);
    QStringList grupuri;
    for (const TFrmGrup* g : pagina.findChildren<TFrmGrup*>())
        grupuri << g->NumeGrup;
    QCOMPARE(grupuri, (QStringList{"Scoala", "Comisie"}));
    QVERIFY(pagina.PotSalvaTot());
}

void TestPaginaEditor::onorezSchimbatAdaugaEditor()
{
    SeteazaOnorez(*m_dm, "PV.FATA.D_CNP", "NU");
    SeteazaOnorez(*m_dm, "PV.FATA.D_ABREVIERE", "SELECTIV");
    TEditorGenericComplex pagina;
    pagina.Construieste(-1, -1, "ELEVI");
    QCOMPARE(pagina.Editoare().size(), 15);
    QVERIFY(Etichete(pagina).contains("FATA.D_CNP"));
    QVERIFY(Etichete(pagina).contains("FATA.D_ABREVIERE"));
}

void TestPaginaEditor::tabCuAceleasiLitere()
{
    ExecutaSql(*m_dm, "INSERT INTO PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP, ETICHETA_EDITOR, TIP_DE_DATE, "
                      "ASOCIAT_CU, ORDINE) VALUES ('PV2', 'X', 'A', '[Candidat]Al doilea', 'CF', 'ELEVI', 60)");
    ExecutaSql(*m_dm, "INSERT INTO PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP, ETICHETA_EDITOR, TIP_DE_DATE, "
                      "ASOCIAT_CU, ORDINE) VALUES ('FormularDeTest', 'X', 'B', 'Fara grup', 'CF', 'ELEVI', 61)");
    TEditorGenericComplex pagina;
    pagina.Construieste(-1, -1, "ELEVI");
    QCOMPARE(pagina.PC()->count(), 2);
    QVERIFY(!pagina.PC()->tabBar()->isHidden());
    QCOMPARE(pagina.PC()->tabText(1), QString(" Formular De\r\nTest"));
    // The same group under another form code joins the group box on the first tab.
    QCOMPARE(pagina.findChildren<TFrmGrup*>().size(), 2);
    auto continut = [&pagina](int tab) { return qobject_cast<QScrollArea*>(pagina.PC()->widget(tab))->widget(); };
    const TListaEditorGeneric& editoare = pagina.Editoare();
    QCOMPARE(editoare.at(editoare.size() - 2)->CodFormular, QString("PV2"));
    QVERIFY(continut(0)->isAncestorOf(editoare.at(editoare.size() - 2)));
    QCOMPARE(editoare.last()->parentWidget(), continut(1));
}

void TestPaginaEditor::tipNecunoscut()
{
    ExecutaSql(*m_dm, "UPDATE PROFIL_DIPLOMA SET TIP_DE_DATE='DATA' WHERE COD_CAMP='C_ARTICOL'");
    TEditorGenericComplex pagina;
    try {
        pagina.Construieste(-1, -1, "ELEVI");
        QFAIL("an unknown data type was built");
    } catch (const EEroare& e) {
        QCOMPARE(e.Mesaj(), QString("Nu stiu afisa tipul de date DATA"));
    }
    QVERIFY(!m_dm->Tr().Active());
    QCOMPARE(pagina.Editoare().size(), 4);
}

void TestPaginaEditor::impartireaLatimii()
{
    QCOMPARE(TLinieGrupare::ImparteLatimea(620, {96, 200, 200}), (QList<int>{120, 250, 250}));
    QCOMPARE(TLinieGrupare::ImparteLatimea(100, {1, 200}), (QList<int>{16, 99}));
    QCOMPARE(TLinieGrupare::ImparteLatimea(100, {0, 0}), (QList<int>{50, 50}));
    TLinieGrupare linie;
    TEditorCampCF a, b;
    a.LatimeSugerata = 256;
    b.LatimeSugerata = 64;
    linie.Adauga(&a);
    linie.Adauga(&b);
    linie.show();
    linie.resize(400, 36);
    QCOMPARE(a.width(), 320);
    linie.resize(800, 36);
    QCOMPARE(b.geometry(), QRect(640, 0, 160, 36));
    b.setParent(nullptr);
    a.setParent(nullptr);
}

void TestPaginaEditor::salvareFaraTranzactie()
{
    TEditorGenericComplex pagina;
    try {
        pagina.SalveazaTot(1, -1, "ELEVI");
        QFAIL("saved without a transaction");
    } catch (const EEroare& e) {
        QCOMPARE(e.Mesaj(), QString("Tranzactia trebuie sa fie DESCHISA in momentul in care salvez"));
    }
    ExecutaSql(*m_dm, "DELETE FROM PROFIL_DIPLOMA WHERE ASOCIAT_CU='SCOALA'");
    pagina.Construieste(-1, -1, "SCOALA");
    QCOMPARE(pagina.PC()->count(), 0);
    QVERIFY(pagina.PotSalvaTot());
}

QTEST_MAIN(TestPaginaEditor)
#include "tst_paginaeditor.moc"
