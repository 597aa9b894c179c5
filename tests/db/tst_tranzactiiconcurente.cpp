// The program's transactions read what others committed, never wait for a writer to read,
// and wait a bounded time for a row another one holds, reported in Romanian.
#include "db/mesajefirebird.h"
#include "db/conexiune.h"
#include "support/conexiunesecundara.h"
#include "support/datetest.h"
#include "support/mediutest.h"

#include <QElapsedTimer>
#include <QtTest>

class TestTranzactiiConcurente : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void citireComisaCuAsteptareMarginita();
    void motorulVedeFelulFiecareiTranzactii();
    void cititulNuAsteaptaScriitorul();
    void randBlocatDaConflictInRomana();

private:
    std::unique_ptr<TMediuTest> m_mediu;
    TDM* m_dm = nullptr;
    int m_elev = 0;
};

void TestTranzactiiConcurente::init()
{
    m_mediu = std::make_unique<TMediuTest>();
    m_dm = &m_mediu->PornesteDM();
    m_elev = AdaugaInregistrare(*m_dm, "ELEVI");
    ScrieValoare(*m_dm, "ELEVI", m_elev, "PV.FATA.C_NUME", "Pop");
}

void TestTranzactiiConcurente::cleanup()
{
    m_mediu.reset();
}

void TestTranzactiiConcurente::citireComisaCuAsteptareMarginita()
{
    QCOMPARE(ColoanaSql(*m_dm, "SELECT RDB$GET_CONTEXT('SYSTEM', 'ISOLATION_LEVEL') FROM RDB$DATABASE"),
             QStringList{"READ COMMITTED"});
    QCOMPARE(ColoanaSql(*m_dm, "SELECT MON$LOCK_TIMEOUT FROM MON$TRANSACTIONS WHERE MON$TRANSACTION_ID = "
                               "CURRENT_TRANSACTION"),
             QStringList{QString::number(SecundeAsteptareBlocare)});
    // Inside one transaction a later read sees what another program committed meanwhile.
    TConexiuneSecundara alta(TLocBazaDeDate::Fisier(m_mediu->CaleBazaDeDate()));
    TGardaTranzactie tr(m_dm->Tr());
    auto nume = [&] {
        TInterogare& q = m_dm->Q1();
        TInchideLaFinal inchide(q);
        q.SQL("SELECT VALOARE_TEXT FROM \"DATE\" WHERE COD_CAMP='C_NUME'");
        q.Open();
        return q.Fields(0).AsString();
    };
    QCOMPARE(nume(), QString("Pop"));
    alta.Executa("UPDATE \"DATE\" SET VALOARE_TEXT='Popescu' WHERE COD_CAMP='C_NUME'");
    QCOMPARE(nume(), QString("Popescu"));
}

// What the engine itself records of a transaction of each kind: isolation (2, read committed
// with record versions), lock wait in seconds, read only.
void TestTranzactiiConcurente::motorulVedeFelulFiecareiTranzactii()
{
    const auto felul = [&](TTipTranzactie tip) {
        TGardaTranzactie tr(m_dm->Tr(), tip);
        TInterogare& q = m_dm->Q1();
        TInchideLaFinal inchide(q);
        q.SQL("SELECT MON$ISOLATION_MODE || ' ' || MON$LOCK_TIMEOUT || ' ' || MON$READ_ONLY FROM MON$TRANSACTIONS "
              "WHERE MON$TRANSACTION_ID = CURRENT_TRANSACTION");
        q.Open();
        return q.Fields(0).AsString();
    };
    QCOMPARE(felul(TTipTranzactie::Lucru), QStringLiteral("2 %1 0").arg(SecundeAsteptareBlocare));
    QCOMPARE(felul(TTipTranzactie::Citire), QStringLiteral("2 %1 1").arg(SecundeAsteptareBlocare));
    // A read transaction refuses a write before it could hold a row another user waits on.
    TGardaTranzactie tr(m_dm->Tr(), TTipTranzactie::Citire);
    m_dm->Q1().SQL("UPDATE \"DATE\" SET VALOARE_TEXT='Altul' WHERE COD_CAMP='C_NUME'");
    QVERIFY_THROWS_EXCEPTION(EEroare, m_dm->Q1().ExecSQL());
}

void TestTranzactiiConcurente::cititulNuAsteaptaScriitorul()
{
    TConexiuneSecundara alta(TLocBazaDeDate::Fisier(m_mediu->CaleBazaDeDate()));
    alta.Incepe("UPDATE \"DATE\" SET VALOARE_TEXT='Nesalvat' WHERE COD_CAMP='C_NUME'");
    QElapsedTimer ceas;
    ceas.start();
    QCOMPARE(ColoanaSql(*m_dm, "SELECT VALOARE_TEXT FROM \"DATE\" WHERE COD_CAMP='C_NUME'"), QStringList{"Pop"});
    QVERIFY(ceas.elapsed() < 1000);
    alta.Termina();
    QCOMPARE(ColoanaSql(*m_dm, "SELECT VALOARE_TEXT FROM \"DATE\" WHERE COD_CAMP='C_NUME'"),
             QStringList{"Nesalvat"});
}

void TestTranzactiiConcurente::randBlocatDaConflictInRomana()
{
    TConexiuneSecundara alta(TLocBazaDeDate::Fisier(m_mediu->CaleBazaDeDate()));
    alta.Incepe("UPDATE \"DATE\" SET VALOARE_TEXT='Nesalvat' WHERE COD_CAMP='C_NUME'");
    QElapsedTimer ceas;
    ceas.start();
    try {
        ExecutaSql(*m_dm, "UPDATE \"DATE\" SET VALOARE_TEXT='Altul' WHERE COD_CAMP='C_NUME'");
        QFAIL("a row another transaction holds was written");
    } catch (const EConflictConcurent& e) {
        QVERIFY(e.Mesaj().startsWith("Aceleasi date sunt salvate chiar acum de alt utilizator"));
    }
    // The engine's lock manager counts the wait in whole seconds, so it may end up to one early.
    QVERIFY2(ceas.elapsed() >= (SecundeAsteptareBlocare - 1) * 1000 && ceas.elapsed() < 3 * SecundeAsteptareBlocare * 1000,
             qPrintable(QString::number(ceas.elapsed())));
    QVERIFY(!m_dm->Tr().Active());
    // A lock taken when the row is fetched fails the same way, not as a row that is not there.
    {
        TGardaTranzactie tr(m_dm->Tr());
        TInterogare& q = m_dm->Q1();
        q.SQL(QStringLiteral("SELECT ID_ELEVI FROM ELEVI WHERE ID_ELEVI=%1 WITH LOCK").arg(m_elev));
        alta.Termina();
        alta.Incepe(QStringLiteral("UPDATE ELEVI SET ID_ELEVI=ID_ELEVI WHERE ID_ELEVI=%1").arg(m_elev));
        QVERIFY_THROWS_EXCEPTION(EConflictConcurent, q.Open());
        QVERIFY(!q.Active());
    }
    alta.Termina();
    ExecutaSql(*m_dm, "UPDATE \"DATE\" SET VALOARE_TEXT='Altul' WHERE COD_CAMP='C_NUME'");
    QCOMPARE(ColoanaSql(*m_dm, "SELECT VALOARE_TEXT FROM \"DATE\" WHERE COD_CAMP='C_NUME'"), QStringList{"Altul"});
}

QTEST_MAIN(TestTranzactiiConcurente)
#include "tst_tranzactiiconcurente.moc"
