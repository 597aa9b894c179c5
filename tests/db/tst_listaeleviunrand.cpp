// --list-pupils writes one line per pupil, whatever a stored value holds.
#include "support/datetest.h"
#include "support/mediutest.h"
#include "support/procestest.h"

#include <QtTest>

class TestListaEleviUnRand : public QObject {
    Q_OBJECT
private slots:
    void caractereDeControlScrisePrinEscape();
};

void TestListaEleviUnRand::caractereDeControlScrisePrinEscape()
{
    TMediuTest mediu;
    TDM& dm = mediu.PornesteDM();
    const int pop = AdaugaInregistrare(dm, "ELEVI");
    ScrieValoare(dm, "ELEVI", pop, "PV.FATA.C_NUME", "Pop\nIon");
    ScrieValoare(dm, "ELEVI", pop, "PV.FATA.C_PRENUME", QString::fromUtf8("Ana\tC:\\x\r\xE2\x80\xA8"));
    const int ionescu = AdaugaInregistrare(dm, "ELEVI");
    ScrieValoare(dm, "ELEVI", ionescu, "PV.FATA.C_NUME", "Ionescu");
    mediu.OpresteDM();

    const TRezultatProces rezultat = RuleazaProgramul({"--list-pupils"}, mediu.Dosar());
    QCOMPARE(rezultat.CodIesire, 0);
    const QString numele = QStringLiteral("Pop\\nIon Ana\\tC:\\\\x\\r\\u2028");
    QCOMPARE(rezultat.Iesire.split('\n', Qt::SkipEmptyParts),
             (QStringList{numele + " / " + numele + " ()", "Ionescu  / Ionescu  ()"}));
}

QTEST_MAIN(TestListaEleviUnRand)
#include "tst_listaeleviunrand.moc"
