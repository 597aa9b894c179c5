// Two secretaries on one database: a save never overwrites unasked what the other saved
// since the record was opened, and a record deleted meanwhile is not recreated. Run on the
// embedded database, then on a Firebird server of the test's own.
#include "db/conexiune.h"
#include "editors/adaugaelev.h"
#include "editors/editeaza.h"
#include "editors/editorcampsimplu.h"
#include "editors/editorcamptext.h"
#include "editors/editorgenericcomplex.h"
#include "support/conexiunesecundara.h"
#include "support/datetest.h"
#include "support/editorpentru.h"
#include "support/mediutest.h"
#include "support/prompttest.h"
#include "support/bazapeserver.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QtTest>

class TestSalvareConcurenta : public QObject {
    Q_OBJECT
public:
    explicit TestSalvareConcurenta(bool peServer) : m_peServer(peServer) {}

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void pastreazaValorileMele();
    void preiaValorileCelorlalti();
    void faraModificariAleAltoraNuIntreaba();
    void elevStersIntreTimp();
    void scoalaModificataDeAltul();
    void randBlocatDeAltaSalvare();

private:
    QString Valoare(const QString& camp) const
    {
        const QStringList valori = ColoanaSql(
            *m_dm, QStringLiteral("SELECT VALOARE_TEXT FROM \"DATE\" WHERE ID_ELEVI=%1 AND COD_CAMP='%2'")
                       .arg(m_elev)
                       .arg(camp));
        return valori.value(0);
    }
    // The other secretary's save: her program commits a new text for the field.
    void SalveazaAltul(const QString& camp, const QString& text)
    {
        m_alta->Executa(QStringLiteral("UPDATE \"DATE\" SET VALOARE_TEXT='%1' WHERE ID_ELEVI=%2 AND COD_CAMP='%3'")
                            .arg(text)
                            .arg(m_elev)
                            .arg(camp));
    }
    QComboBox* Nume(const TAdaugaElev& dialog) const
    {
        return EditorPentru<TEditorCampText>(*dialog.Pagina(), "C_NUME")->RzComboBox1();
    }

    const bool m_peServer;
    std::unique_ptr<TBazaPeServer> m_server;
    int m_baze = 0;
    std::unique_ptr<TMediuTest> m_mediu;
    std::unique_ptr<TConexiuneSecundara> m_alta;
    TDM* m_dm = nullptr;
    int m_elev = 0;
};

void TestSalvareConcurenta::initTestCase()
{
    if (!m_peServer)
        return;
    SARI_FARA_SERVER_FIREBIRD();
    m_server = std::make_unique<TBazaPeServer>();
    QVERIFY2(m_server->Porneste(), qPrintable(m_server->Eroare()));
}

void TestSalvareConcurenta::cleanupTestCase()
{
    m_server.reset();
}

void TestSalvareConcurenta::init()
{
    if (m_peServer) {
        QVERIFY2(m_server->BazaNoua(QStringLiteral("salvare%1.fdb").arg(++m_baze)), qPrintable(m_server->Eroare()));
        m_mediu = std::make_unique<TMediuTest>(false);
        m_dm = &m_mediu->PornesteDM();
        m_alta = std::make_unique<TConexiuneSecundara>(m_server->Loc());
    } else {
        m_mediu = std::make_unique<TMediuTest>();
        m_dm = &m_mediu->PornesteDM();
        m_alta = std::make_unique<TConexiuneSecundara>(TLocBazaDeDate::Fisier(m_mediu->CaleBazaDeDate()));
    }
    m_elev = AdaugaInregistrare(*m_dm, "ELEVI");
    ScrieValoare(*m_dm, "ELEVI", m_elev, "PV.FATA.C_NUME", "Pop");
    ScrieValoare(*m_dm, "ELEVI", m_elev, "PV.FATA.C_PRENUME", "Ana");
    ScrieValoare(*m_dm, "ELEVI", m_elev, "PV.FATA.C_CNP", "2900101123459");
}

void TestSalvareConcurenta::cleanup()
{
    m_alta.reset();
    m_mediu.reset();
}

void TestSalvareConcurenta::pastreazaValorileMele()
{
    TPromptTest prompt;
    TAdaugaElev dialog;
    dialog.PregatesteExistent(m_elev);
    Nume(dialog)->setEditText("Popa");
    SalveazaAltul("C_NUME", "Popescu");
    SalveazaAltul("C_PRENUME", "Ioana");
    prompt.RaspundeLaConfirmari({true});
    dialog.Ok();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const QStringList intrebari = prompt.Texte(TPromptTest::Fel::Confirmare);
    QCOMPARE(intrebari.size(), 1);
    // Every field that differs, with its caption, her value and the stored one.
    QVERIFY2(intrebari.first().startsWith("Elevul a fost modificat de alt utilizator"), qPrintable(intrebari.first()));
    for (const char* parte : {"Numele elevului (linia 1)", "\"Popa\"", "\"Popescu\"", "Prenumele elevului (linia 2)",
                              "\"Ana\"", "\"Ioana\""})
        QVERIFY2(intrebari.first().contains(QString::fromUtf8(parte)), parte);
    QVERIFY(!intrebari.first().contains("CNP"));
    QCOMPARE(Valoare("C_NUME"), QString("Popa"));
    QCOMPARE(Valoare("C_PRENUME"), QString("Ana"));
    QVERIFY(prompt.Texte(TPromptTest::Fel::Eroare).isEmpty());
}

void TestSalvareConcurenta::preiaValorileCelorlalti()
{
    TPromptTest prompt;
    TAdaugaElev dialog;
    dialog.PregatesteExistent(m_elev);
    Nume(dialog)->setEditText("Popa");
    SalveazaAltul("C_NUME", "Popescu");
    prompt.RaspundeLaConfirmari({false});
    dialog.Ok();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(Valoare("C_NUME"), QString("Popescu"));
    // The page now shows what is stored, and saving it again asks nothing.
    QCOMPARE(Nume(dialog)->currentText(), QString("Popescu"));
    QCOMPARE(dialog.Pagina()->Editoare().size(), 13);
    EditorPentru<TEditorCampText>(*dialog.Pagina(), "C_PRENUME")->RzComboBox1()->setEditText("Ioana");
    dialog.Ok();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Confirmare).size(), 1);
    QCOMPARE(Valoare("C_NUME"), QString("Popescu"));
    QCOMPARE(Valoare("C_PRENUME"), QString("Ioana"));
}

void TestSalvareConcurenta::faraModificariAleAltoraNuIntreaba()
{
    TPromptTest prompt;
    TAdaugaElev dialog;
    dialog.PregatesteExistent(m_elev);
    Nume(dialog)->setEditText("Popa");
    // The other one saved the pupil without changing a value.
    SalveazaAltul("C_NUME", "Pop");
    dialog.Ok();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(prompt.Mesaje().isEmpty());
    QCOMPARE(Valoare("C_NUME"), QString("Popa"));
}

void TestSalvareConcurenta::elevStersIntreTimp()
{
    TPromptTest prompt;
    TAdaugaElev dialog;
    dialog.PregatesteExistent(m_elev);
    Nume(dialog)->setEditText("Popa");
    m_alta->Executa(QStringLiteral("DELETE FROM ELEVI WHERE ID_ELEVI=%1").arg(m_elev));
    dialog.Ok();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    const QStringList erori = prompt.Texte(TPromptTest::Fel::Eroare);
    QCOMPARE(erori.size(), 1);
    QVERIFY2(erori.first().startsWith("Elevul a fost sters intre timp de alt utilizator"), qPrintable(erori.first()));
    QCOMPARE(ColoanaSql(*m_dm, "SELECT COUNT(*) FROM ELEVI"), QStringList{"0"});
    QCOMPARE(ColoanaSql(*m_dm, "SELECT COUNT(*) FROM \"DATE\""), QStringList{"0"});
    QVERIFY(!m_dm->Tr().Active());
}

void TestSalvareConcurenta::scoalaModificataDeAltul()
{
    TPromptTest prompt;
    const int scoala = AdaugaInregistrare(*m_dm, "SCOALA");
    ScrieValoare(*m_dm, "SCOALA", scoala, "PV.FATA.C_JUDETUL", "Alba");
    TEditeaza dialog("SCOALA");
    dialog.PregatesteExistent(scoala);
    EditorPentru<TEditorCampText>(*dialog.Pagina(), "C_JUDETUL")->RzComboBox1()->setEditText("Arad");
    m_alta->Executa(QStringLiteral("UPDATE \"DATE\" SET VALOARE_TEXT='Cluj' WHERE ID_SCOALA=%1").arg(scoala));
    prompt.RaspundeLaConfirmari({false});
    dialog.Ok();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(prompt.Texte(TPromptTest::Fel::Confirmare).value(0).startsWith("Inregistrarea a fost modificata"));
    QCOMPARE(EditorPentru<TEditorCampText>(*dialog.Pagina(), "C_JUDETUL")->RzComboBox1()->currentText(),
             QString("Cluj"));
    m_alta->Executa(QStringLiteral("DELETE FROM SCOALA WHERE ID_SCOALA=%1").arg(scoala));
    dialog.Ok();
    QVERIFY(prompt.Texte(TPromptTest::Fel::Eroare).value(0).startsWith("Inregistrarea a fost stearsa intre timp"));
    QCOMPARE(ColoanaSql(*m_dm, "SELECT COUNT(*) FROM SCOALA"), QStringList{"0"});
}

void TestSalvareConcurenta::randBlocatDeAltaSalvare()
{
    TPromptTest prompt;
    TAdaugaElev dialog;
    dialog.PregatesteExistent(m_elev);
    Nume(dialog)->setEditText("Popa");
    // The other save holds the pupil's row and does not end.
    m_alta->Incepe(QStringLiteral("UPDATE ELEVI SET ID_ELEVI=ID_ELEVI WHERE ID_ELEVI=%1").arg(m_elev));
    QElapsedTimer ceas;
    ceas.start();
    dialog.Ok();
    const qint64 asteptat = ceas.elapsed();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Eroare),
             QStringList{"Aceleasi date sunt salvate chiar acum de alt utilizator. Incercati din nou peste cateva "
                         "secunde."});
    // A bounded wait for every attempt, not forever.
    QVERIFY2(asteptat >= (SecundeAsteptareBlocare - 1) * 1000 && asteptat < 4 * SecundeAsteptareBlocare * 1000,
             qPrintable(QString::number(asteptat)));
    m_alta->Termina();
    dialog.Ok();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(Valoare("C_NUME"), QString("Popa"));
}

int main(int argc, char** argv)
{
    QApplication aplicatie(argc, argv);
    TestSalvareConcurenta embedded(false);
    TestSalvareConcurenta server(true);
    const int esecuri = QTest::qExec(&embedded, argc, argv);
    return esecuri + QTest::qExec(&server, argc, argv);
}
#include "tst_salvareconcurenta.moc"
