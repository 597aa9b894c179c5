// The program's own layer on Firebird's client interface, against the real engine: statements
// prepared once, values typed by the statement, and every failure the user may meet told in
// Romanian from the engine's own condition.
#include "base/eroare.h"
#include "db/conexiune.h"
#include "db/mesajefirebird.h"
#include "support/conexiunesecundara.h"
#include "support/datetest.h"
#include "support/mediutest.h"

#include <QtTest>
#include <thread>

namespace {

// The error a connection to `loc` meets, running `sql` when it opens; empty when none.
QString EroareaConexiunii(const TLocBazaDeDate& loc, const QString& sql)
{
    try {
        TConexiuneProprie conexiune(loc);
        TTranzactie tr(conexiune);
        TGardaTranzactie garda(tr);
        TInterogare q(tr, QStringLiteral("proba"));
        q.SQL(sql);
        q.Open();
        return {};
    } catch (const EEroare& e) {
        return e.Mesaj();
    }
}

} // namespace

class TestConexiune : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pregatitaODataPentruOMieDeRulari();
    void textulPreaLungRefuzatInCaractereInainteDeRulare();
    void valoriTipizateDupaInstructiune();
    void eroriInRomanaDinMotor();
    void conflictDeActualizareInRomana();

private:
    std::unique_ptr<TMediuTest> m_mediu;
    TDM* m_dm = nullptr;
};

void TestConexiune::init()
{
    m_mediu = std::make_unique<TMediuTest>();
    m_dm = &m_mediu->PornesteDM();
}

void TestConexiune::cleanup()
{
    m_mediu.reset();
}

// Two queries, a thousand runs with other values, one preparation: the cache of the
// connection, not the query, keeps it, across transactions too.
void TestConexiune::pregatitaODataPentruOMieDeRulari()
{
    const QString text = QStringLiteral("SELECT COUNT(*) FROM TIPURI_DE_DATE WHERE TIP_DE_DATE = :T OR :N < 0");
    const long long pregatite = InstructiuniPregatite();
    const long long rulate = InstructiuniRulate();
    int gasite = 0;
    for (int i = 0; i < 1000; ++i) {
        TGardaTranzactie tr(m_dm->Tr(), i % 2 ? TTipTranzactie::Citire : TTipTranzactie::Lucru);
        TInterogare& q = i % 3 ? m_dm->Q1() : m_dm->Q2();
        q.SQL(text);
        q.ParamByName("T", i % 10 ? QStringLiteral("NOTA") : QStringLiteral("NU"));
        q.ParamByName("N", i);
        q.Open();
        gasite += q.Fields(0).AsInteger();
    }
    QCOMPARE(gasite, 900);
    QCOMPARE(InstructiuniPregatite() - pregatite, 1);
    QCOMPARE(InstructiuniRulate() - rulate, 1000);
}

// TIP_DE_DATE is VARCHAR(32) in UTF-8: 32 letters of two bytes each, or 32 of four, fit; one
// more is refused with the query's words before the engine runs anything.
void TestConexiune::textulPreaLungRefuzatInCaractereInainteDeRulare()
{
    const QString romanesc = QString(32, QChar(0x0219));
    const QString patruOcteti = QString::fromUcs4(U"\U0001F600").repeated(32);
    const auto adauga = [&](const QString& tip) {
        TGardaTranzactie tr(m_dm->Tr());
        m_dm->Q1().SQL("INSERT INTO TIPURI_DE_DATE (TIP_DE_DATE) VALUES (:T)");
        m_dm->Q1().ParamByName("T", tip);
        m_dm->Q1().ExecSQL();
        tr.Commit();
    };
    adauga(romanesc);
    adauga(patruOcteti);
    QVERIFY(ColoanaSql(*m_dm, "SELECT TIP_DE_DATE FROM TIPURI_DE_DATE").contains(romanesc));
    QVERIFY(ColoanaSql(*m_dm, "SELECT TIP_DE_DATE FROM TIPURI_DE_DATE").contains(patruOcteti));
    const QStringList inainte = ColoanaSql(*m_dm, "SELECT TIP_DE_DATE FROM TIPURI_DE_DATE");
    const long long rulate = InstructiuniRulate();
    try {
        adauga(romanesc + QStringLiteral("a"));
        QFAIL("a text of 33 characters was sent");
    } catch (const EEroare& e) {
        QCOMPARE(e.Mesaj(), QStringLiteral("Q1: textul pentru T are 33 caractere, iar baza de date pastreaza cel mult 32."));
    }
    QCOMPARE(InstructiuniRulate(), rulate);
    QCOMPARE(ColoanaSql(*m_dm, "SELECT TIP_DE_DATE FROM TIPURI_DE_DATE"), inainte);
}

// The numeric column keeps its scale exactly; a text given for a number is read as one, and
// one that is no number is refused.
void TestConexiune::valoriTipizateDupaInstructiune()
{
    const int elev = AdaugaInregistrare(*m_dm, "ELEVI");
    {
        TGardaTranzactie tr(m_dm->Tr());
        TInterogare& q = m_dm->Q1();
        q.SQL("INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, VALOARE_TEXT, VALOARE_NUM) VALUES "
              "('PV', 'SPATE', 'C_MEDIA_GEN', :ID, :T, :N)");
        q.ParamByName("ID", QString::number(elev));
        q.ParamByName("T", 9.25);
        q.ParamByName("N", QStringLiteral("9.1234"));
        q.ExecSQL();
        q.ParamByName("N", QStringLiteral("noua"));
        QVERIFY_THROWS_EXCEPTION(EEroare, q.ExecSQL());
        q.ParamByName("N", 1e20);
        QVERIFY_THROWS_EXCEPTION(EEroare, q.ExecSQL());
        tr.Commit();
    }
    QCOMPARE(ColoanaSql(*m_dm, "SELECT VALOARE_TEXT || ' ' || VALOARE_NUM FROM \"DATE\" WHERE COD_CAMP = 'C_MEDIA_GEN'"),
             QStringList{"9.25 9.1234"});
    TGardaTranzactie tr(m_dm->Tr());
    m_dm->Q1().SQL("SELECT VALOARE_NUM, ID_ELEVI, RDB$RELATION_NAME FROM \"DATE\", RDB$RELATIONS WHERE "
                   "COD_CAMP = 'C_MEDIA_GEN' AND RDB$RELATION_NAME = :RDB$RELATION_NAME");
    m_dm->Q1().ParamByName("RDB$RELATION_NAME", "ELEVI");
    m_dm->Q1().Open();
    QCOMPARE(m_dm->Q1().Fields(0).AsString(), QStringLiteral("9.1234"));
    QCOMPARE(m_dm->Q1().Fields(1).AsInteger(), elev);
    // The catalogue's fixed-width names come back padded to their width.
    QCOMPARE(m_dm->Q1().Fields(2).AsString().trimmed(), QStringLiteral("ELEVI"));
    QVERIFY(m_dm->Q1().Fields(2).AsString().size() > 5);
}

// A user the database grants nothing, a file that is no database, a failing statement: each
// in a Romanian sentence, the engine's text only as the detail. (The server's wrong password
// and silence are the server start's tests.)
void TestConexiune::eroriInRomanaDinMotor()
{
    const QString cale = m_mediu->CaleBazaDeDate();
    const QString faraDrept =
        EroareaConexiunii(TLocBazaDeDate::Server(cale, QStringLiteral("STRAIN"), QStringLiteral("x")),
                          QStringLiteral("SELECT COUNT(*) FROM ELEVI"));
    QVERIFY2(faraDrept.startsWith(QStringLiteral("Programul nu are drept de acces la baza de date \"%1\".").arg(cale)),
             qPrintable(faraDrept));
    QVERIFY2(faraDrept.contains(QStringLiteral("\n\nDetalii: ")), qPrintable(faraDrept));

    const QString altFisier = m_mediu->Dosar() + QStringLiteral("/nu-e-baza.fdb");
    QFile fisier(altFisier);
    QVERIFY(fisier.open(QIODevice::WriteOnly));
    fisier.write(QByteArray(8192, 'x'));
    fisier.close();
    const QString deteriorat = EroareaConexiunii(TLocBazaDeDate::Fisier(altFisier), "SELECT 1 FROM RDB$DATABASE");
    QVERIFY2(deteriorat.startsWith(QStringLiteral("Fisierul \"%1\" nu este o baza de date valida").arg(altFisier)),
             qPrintable(deteriorat));

    // Any other failure still leads with a sentence of ours.
    const QString altaEroare = EroareaConexiunii(TLocBazaDeDate::Fisier(cale), "SELECT 1 / 0 FROM RDB$DATABASE");
    QVERIFY2(altaEroare.startsWith(QStringLiteral("Baza de date \"%1\" a refuzat operatia.\n\nDetalii: ").arg(cale)),
             qPrintable(altaEroare));
}

// Another connection changes the row while this one waits for it, and commits: the engine's
// update conflict, told as another user's save.
void TestConexiune::conflictDeActualizareInRomana()
{
    const int elev = AdaugaInregistrare(*m_dm, "ELEVI");
    TConexiuneSecundara alta(TLocBazaDeDate::Fisier(m_mediu->CaleBazaDeDate()));
    alta.Incepe(QStringLiteral("UPDATE ELEVI SET ID_ELEVI = ID_ELEVI WHERE ID_ELEVI = %1").arg(elev));
    std::thread comite([&alta] {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        alta.Termina();
    });
    QString mesaj;
    QElapsedTimer ceas;
    ceas.start();
    try {
        ExecutaSql(*m_dm, QStringLiteral("UPDATE ELEVI SET ID_ELEVI = ID_ELEVI WHERE ID_ELEVI = %1").arg(elev));
    } catch (const EConflictConcurent& e) {
        mesaj = e.Mesaj();
    }
    comite.join();
    QCOMPARE(mesaj, EConflictConcurent().Mesaj());
    // Met when the other committed, not at the end of the bounded wait.
    QVERIFY2(ceas.elapsed() < (SecundeAsteptareBlocare - 1) * 1000, qPrintable(QString::number(ceas.elapsed())));
}

QTEST_MAIN(TestConexiune)
#include "tst_conexiune.moc"
