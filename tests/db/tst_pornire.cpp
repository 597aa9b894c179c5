#include "support/mediutest.h"
#include "support/prompttest.h"

#include <QtTest>

class TestPornire : public QObject {
    Q_OBJECT
private slots:
    void primaPornire();
};

void TestPornire::primaPornire()
{
    TMediuTest mediu;
    TDM& dm = mediu.PornesteDM();
    QCOMPARE(ColoanaSql(dm, "SELECT VERSIUNE FROM CONFID_DB"), QStringList{"3"});
}

QTEST_MAIN(TestPornire)
#include "tst_pornire.moc"
