// A query keeps its statement prepared while its transaction runs; these are the cases
// where a kept statement could give a wrong answer.
#include "base/eroare.h"
#include "support/mediutest.h"

#include <QtTest>

namespace {

const QString Cauta = QStringLiteral("SELECT COD_CAMP FROM PROFIL_DIPLOMA WHERE COD_CAMP=:C AND COD_PAGINA=:P");
const QString Adauga = QStringLiteral("INSERT INTO TIPURI_DE_DATE (TIP_DE_DATE) VALUES (:T)");
const QString NumaraTipuri = QStringLiteral("SELECT COUNT(*) FROM TIPURI_DE_DATE WHERE TIP_DE_DATE=:T");

QString Gaseste(TInterogare& q, const QString& camp, const QString& pagina)
{
    q.SQL(Cauta);
    q.ParamByName("C", camp);
    q.ParamByName("P", pagina);
    q.Open();
    return q.Eof() ? QString() : q.Fields(0).AsString();
}

int Numara(TInterogare& q, const QString& tip)
{
    q.SQL(NumaraTipuri);
    q.ParamByName("T", tip);
    q.Open();
    return q.Fields(0).AsInteger();
}

} // namespace

class TestInterogarePregatita : public QObject {
    Q_OBJECT
private slots:
    void acelasiTextCuAltiParametri();
    void dupaSfarsitulTranzactiei();
    void dupaOExecutieEsuata();
};

void TestInterogarePregatita::acelasiTextCuAltiParametri()
{
    TMediuTest mediu;
    TDM& dm = mediu.PornesteDM();
    TGardaTranzactie tr(dm.Tr());
    QCOMPARE(Gaseste(dm.Q1(), "C_NUME", "FATA"), QString("C_NUME"));
    QCOMPARE(Gaseste(dm.Q1(), "C_CNP", "FATA"), QString("C_CNP"));
    QCOMPARE(Gaseste(dm.Q1(), "C_CNP", "SPATE"), QString());
    // Unset parameters of the same statement are NULL again, not the previous values.
    dm.Q1().SQL(Cauta);
    dm.Q1().ParamByName("C", "C_CNP");
    dm.Q1().Open();
    QVERIFY(dm.Q1().Eof());
    QCOMPARE(Numara(dm.Q1(), "NOTA"), 1);
    QCOMPARE(Gaseste(dm.Q1(), "C_MATEMATICA", "SPATE"), QString("C_MATEMATICA"));
}

void TestInterogarePregatita::dupaSfarsitulTranzactiei()
{
    TMediuTest mediu;
    TDM& dm = mediu.PornesteDM();
    {
        TGardaTranzactie tr(dm.Tr());
        QCOMPARE(Numara(dm.Q1(), "NOU"), 0);
    }
    {
        TGardaTranzactie tr(dm.Tr());
        dm.Q2().SQL(Adauga);
        dm.Q2().ParamByName("T", "NOU");
        dm.Q2().ExecSQL();
        tr.Commit();
    }
    TGardaTranzactie tr(dm.Tr());
    QCOMPARE(Numara(dm.Q1(), "NOU"), 1);
}

void TestInterogarePregatita::dupaOExecutieEsuata()
{
    TMediuTest mediu;
    TDM& dm = mediu.PornesteDM();
    TGardaTranzactie tr(dm.Tr());
    const auto adauga = [&dm](const QString& tip) {
        dm.Q1().SQL(Adauga);
        dm.Q1().ParamByName("T", tip);
        dm.Q1().ExecSQL();
    };
    adauga("PRIMUL");
    QVERIFY_THROWS_EXCEPTION(EEroare, adauga("PRIMUL"));
    adauga("AL DOILEA");
    QCOMPARE(Numara(dm.Q2(), "AL DOILEA"), 1);
}

QTEST_MAIN(TestInterogarePregatita)
#include "tst_interogarepregatita.moc"
