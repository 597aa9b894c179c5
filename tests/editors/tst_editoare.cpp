#include "base/citestenota.h"
#include "base/cnp.h"
#include "db/valoarecamp.h"
#include "editors/brvnumedit.h"
#include "editors/editorcampnota.h"
#include "editors/editorcampsimplu.h"
#include "editors/editorcamptext.h"
#include "support/datetest.h"
#include "support/mediutest.h"
#include "support/prompttest.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

class TestEditoare : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void citesteNota_data();
    void citesteNota();
    void notaIncarcata_data();
    void notaIncarcata();
    void limiteNota_data();
    void limiteNota();
    void cnpValid_data();
    void cnpValid();
    void cnpInvalidCereConfirmare();
    void salvareInsereazaSiActualizeaza();
    void salvareTaieSiCurataAlteTabele();
    void sugestiiText();
    void potSalvaNeimplementat();

private:
    // Runs the editor's save in a committed transaction.
    void Salveaza(TEditorGeneric& editor, int idElev, int idInregistrare, const QString& tabel)
    {
        TGardaTranzactie tr(m_dm->Tr());
        editor.Salveaza(idElev, idInregistrare, tabel);
        tr.Commit();
    }
    template <typename T>
    std::unique_ptr<T> Editor(const QString& camp, const QString& tabel = "ELEVI")
    {
        auto editor = std::make_unique<T>();
        TGardaTranzactie tr(m_dm->Tr());
        const TReferintaCamp r = DescompuneReferinta(camp);
        editor->Incarca(r.Formular, r.Pagina, r.Camp, tabel, tabel == "ELEVI" ? m_elev : -1,
                        tabel == "ELEVI" ? -1 : m_elev);
        return editor;
    }
    QStringList Valori(const QString& camp)
    {
        return ColoanaSql(*m_dm, QStringLiteral("SELECT VALOARE_TEXT FROM \"DATE\" WHERE COD_CAMP='%1' ORDER BY 1").arg(camp));
    }

    std::unique_ptr<TMediuTest> m_mediu;
    TDM* m_dm = nullptr;
    int m_elev = 0;
};

void TestEditoare::init()
{
    // The pure checks need no database.
    const QByteArray functie = QTest::currentTestFunction();
    if (functie == "citesteNota" || functie == "cnpValid")
        return;
    m_mediu = std::make_unique<TMediuTest>();
    m_dm = &m_mediu->PornesteDM();
    m_elev = AdaugaInregistrare(*m_dm, "ELEVI");
}

void TestEditoare::cleanup()
{
    m_mediu.reset();
}

void TestEditoare::citesteNota_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("valoare");
    QTest::newRow("comma") << "9,5" << qint64(95000);
    QTest::newRow("point") << "9.5" << qint64(95000);
    QTest::newRow("third digit cut") << "9,567" << qint64(95600);
    QTest::newRow("leading zero fraction") << "9,05" << qint64(90500);
    QTest::newRow("whole") << "10" << qint64(100000);
    QTest::newRow("empty") << "" << qint64(0);
    QTest::newRow("noise ignored") << " -a9,5x" << qint64(95000);
    QTest::newRow("after second separator") << "1.2.3" << qint64(12000);
    QTest::newRow("fraction only") << ",5" << qint64(5000);
}

void TestEditoare::citesteNota()
{
    QFETCH(QString, text);
    QFETCH(qint64, valoare);
    QCOMPARE(CitesteNota(text), valoare);
}

void TestEditoare::notaIncarcata_data()
{
    QTest::addColumn<QString>("stocata");
    QTest::addColumn<QString>("afisata");
    QTest::newRow("9,5") << "9,5" << "9,50";
    QTest::newRow("9,567") << "9,567" << "9,56";
    QTest::newRow("10") << "10" << "10,00";
    QTest::newRow("9.5") << "9.5" << "9,50";
    QTest::newRow("0") << "0" << "";
    QTest::newRow("0,00") << "0,00" << "";
    QTest::newRow("0,01") << "0,01" << "0,01";
}

void TestEditoare::notaIncarcata()
{
    QFETCH(QString, stocata);
    QFETCH(QString, afisata);
    ScrieValoare(*m_dm, "ELEVI", m_elev, "PV.SPATE.C_MATEMATICA", stocata);
    QCOMPARE(Editor<TEditorCampNota>("PV.SPATE.C_MATEMATICA")->BrvNumEdit1()->text(), afisata);
}

void TestEditoare::limiteNota_data()
{
    QTest::addColumn<QString>("tastat");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refuz");
    QTest::newRow("4,99") << "4,99" << "4,99" << "Nota este prea mica";
    QTest::newRow("5") << "5" << "5" << "";
    QTest::newRow("10") << "10" << "10" << "";
    QTest::newRow("10,01") << "10,01" << "10,01" << "Nota este prea mare";
    QTest::newRow("point becomes comma") << "9.5" << "9,5" << "";
    QTest::newRow("two fraction digits at most") << "9,567" << "9,56" << "";
    QTest::newRow("empty") << "" << "" << "";
    QTest::newRow("letters refused") << "x9" << "9" << "";
    QTest::newRow("zero") << "0,00" << "0,00" << "Nota este prea mica";
}

void TestEditoare::limiteNota()
{
    QFETCH(QString, tastat);
    QFETCH(QString, text);
    QFETCH(QString, refuz);
    TPromptTest prompt;
    auto editor = Editor<TEditorCampNota>("PV.SPATE.C_MATEMATICA");
    QTest::keyClicks(editor->BrvNumEdit1(), tastat);
    QCOMPARE(editor->BrvNumEdit1()->text(), text);
    QCOMPARE(editor->PotSalva(), refuz.isEmpty());
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Avertisment), refuz.isEmpty() ? QStringList() : QStringList{refuz});
    if (!refuz.isEmpty())
        return;
    Salveaza(*editor, m_elev, -1, "ELEVI");
    QCOMPARE(Valori("C_MATEMATICA"), QStringList{text});
}

void TestEditoare::cnpValid_data()
{
    // The reason, in the words the confirmation shows; empty for a valid code.
    QTest::addColumn<QString>("cnp");
    QTest::addColumn<QString>("problema");
    const QString data = "data nasterii (cifrele 2-7: %1) nu este o data";
    QTest::newRow("valid") << "1900101123457" << "";
    QTest::newRow("wrong control digit") << "1900101123458" << "cifra de control este 8, dar trebuie sa fie 7";
    QTest::newRow("2000, leap year") << "5000229123453" << "";
    QTest::newRow("04 is 2004") << "6040229123458" << "";
    QTest::newRow("05 is 1905, no 29 February") << "2050229123459" << data.arg("050229");
    QTest::newRow("first digit 3") << "3040101123456" << "prima cifra este 3, dar poate fi doar 1, 2, 5 sau 6";
    QTest::newRow("month 00") << "1000001123456" << data.arg("000001");
    QTest::newRow("month 13") << "1001301123458" << data.arg("001301");
    QTest::newRow("30 February") << "1000230123457" << data.arg("000230");
    QTest::newRow("remainder 10 ends in 1") << "2861212312341" << "";
    QTest::newRow("remainder 10 not 0") << "2861212312340" << "cifra de control este 0, dar trebuie sa fie 1";
    QTest::newRow("12 digits") << "190010112345" << "are 12 caractere in loc de 13 cifre";
    QTest::newRow("blank inside") << "19001011 3457" << "contine si altceva decat cifre";
    QTest::newRow("trailing blank") << "1900101123457 " << "are 14 caractere in loc de 13 cifre";
    QTest::newRow("empty") << "" << "are 0 caractere in loc de 13 cifre";
}

void TestEditoare::cnpValid()
{
    QFETCH(QString, cnp);
    QFETCH(QString, problema);
    QCOMPARE(ProblemaCNP(cnp), problema);
    QCOMPARE(EsteCNPValid(cnp), problema.isEmpty());
}

void TestEditoare::cnpInvalidCereConfirmare()
{
    TPromptTest prompt;
    auto editor = Editor<TEditorCampCNP>("PV.FATA.C_CNP");
    editor->RzEdit1()->setText("1900101123457");
    QVERIFY(editor->PotSalva());
    QVERIFY(prompt.Mesaje().isEmpty());
    editor->RzEdit1()->setText("123");
    prompt.RaspundeLaConfirmari({false, true});
    QVERIFY(!editor->PotSalva());
    QVERIFY(editor->PotSalva());
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Confirmare),
             QStringList(2, "Codul numeric personal este eronat: are 3 caractere in loc de 13 cifre. Sigur doriti "
                            "sa continuati?"));
}

void TestEditoare::salvareInsereazaSiActualizeaza()
{
    auto editor = Editor<TEditorCampCF>("PV.FATA.C_ARTICOL");
    QCOMPARE(editor->RzEdit1()->text(), QString());
    Salveaza(*editor, m_elev, -1, "ELEVI");
    QCOMPARE(Valori("C_ARTICOL"), QStringList{""});
    editor->RzEdit1()->setText("  nascut  ");
    Salveaza(*editor, m_elev, -1, "ELEVI");
    QCOMPARE(Valori("C_ARTICOL"), QStringList{"nascut"});
    QCOMPARE(Editor<TEditorCampSirues>("PV.FATA.C_ARTICOL")->RzEdit1()->text(), QString("nascut"));
    // The school's value is stored under the record id, not the pupil's.
    QCOMPARE(AdaugaInregistrare(*m_dm, "SCOALA"), m_elev);
    auto scoala = Editor<TEditorCampText>("PV.FATA.C_JUDETUL", "SCOALA");
    scoala->RzComboBox1()->setEditText("Alba");
    Salveaza(*scoala, -1, m_elev, "SCOALA");
    QCOMPARE(ColoanaSql(*m_dm, "SELECT ID_SCOALA FROM \"DATE\" WHERE COD_CAMP='C_JUDETUL' AND ID_ELEVI IS NULL"),
             QStringList{QString::number(m_elev)});
}

void TestEditoare::salvareTaieSiCurataAlteTabele()
{
    const int scoala = AdaugaInregistrare(*m_dm, "SCOALA");
    ExecutaSql(*m_dm, QStringLiteral("INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, ID_SCOALA, "
                                     "VALOARE_TEXT) VALUES ('PV', 'FATA', 'C_NUME', %1, %2, 'vechi')")
                          .arg(m_elev)
                          .arg(scoala));
    auto text = Editor<TEditorCampText>("PV.FATA.C_NUME");
    QCOMPARE(text->RzComboBox1()->currentText(), QString("vechi"));
    text->RzComboBox1()->setEditText(" " + QString(300, 'a'));
    Salveaza(*text, m_elev, -1, "ELEVI");
    QCOMPARE(Valori("C_NUME"), QStringList{QString(256, 'a')});
    QCOMPARE(ColoanaSql(*m_dm, "SELECT COALESCE(ID_SCOALA, -7) FROM \"DATE\" WHERE COD_CAMP='C_NUME'"),
             QStringList{"-7"});
    auto simplu = Editor<TEditorCampCalificativ>("PV.FATA.C_ARTICOL");
    simplu->RzEdit1()->setText(QString(100, 'b'));
    Salveaza(*simplu, m_elev, -1, "ELEVI");
    QCOMPARE(Valori("C_ARTICOL"), QStringList{QString(64, 'b')});
}

void TestEditoare::sugestiiText()
{
    const int altul = AdaugaInregistrare(*m_dm, "ELEVI");
    ScrieValoare(*m_dm, "ELEVI", altul, "PV.FATA.C_NUME", "Pop");
    ScrieValoare(*m_dm, "ELEVI", altul, "PV.FATA.C_PRENUME", "Ana");
    ScrieValoare(*m_dm, "ELEVI", m_elev, "PV.FATA.C_NUME", "Ionescu");
    auto editor = Editor<TEditorCampText>("PV.FATA.C_NUME");
    QStringList sugestii;
    for (int i = 0; i < editor->RzComboBox1()->count(); ++i)
        sugestii << editor->RzComboBox1()->itemText(i);
    sugestii.sort();
    QCOMPARE(sugestii, (QStringList{"Ionescu", "Pop"}));
    QCOMPARE(editor->RzComboBox1()->currentText(), QString("Ionescu"));
    QCOMPARE(editor->RzComboBox1()->lineEdit()->cursorPosition(), 7);
    QVERIFY(!editor->RzComboBox1()->lineEdit()->hasSelectedText());
}

void TestEditoare::potSalvaNeimplementat()
{
    TPromptTest prompt;
    TEditorGeneric editor;
    QVERIFY(!editor.PotSalva());
    QCOMPARE(prompt.Texte(TPromptTest::Fel::Avertisment),
             QStringList{"Functioa \"PotSalva\" nu este implementata pentru TEditorGeneric"});
}

QTEST_MAIN(TestEditoare)
#include "tst_editoare.moc"
