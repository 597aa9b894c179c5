#include "app/praventmain.h"
#include "editors/listaelevi.h"
#include "print/tiparireinserie.h"
#include "support/datetest.h"
#include "support/mediutest.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

class TestMeniuTiparire : public QObject {
    Q_OBJECT
private slots:
    void deschideTiparireaInSeriePeLiniileCautate();
};

void TestMeniuTiparire::deschideTiparireaInSeriePeLiniileCautate()
{
    TMediuTest mediu;
    TDM& dm = mediu.PornesteDM();
    for (const QString nume : {"ALBU", "BARBU", "BALAN"}) {
        const int id = AdaugaInregistrare(dm, QStringLiteral("ELEVI"));
        ScrieValoare(dm, QStringLiteral("ELEVI"), id, QStringLiteral("PV.FATA.C_NUME"), nume);
    }
    TPraventMain fereastra;
    QCOMPARE(fereastra.MeniuTiparire()->title(), QStringLiteral("&Tiparire"));
    QCOMPARE(fereastra.MeniuTiparire()->actions(), QList<QAction*>{fereastra.TiparireInSerie1()});
    QCOMPARE(fereastra.TiparireInSerie1()->text(), QStringLiteral("Tiparire in &serie"));

    QCOMPARE(fereastra.StareElevi()->text(), QStringLiteral("3 elevi"));
    QVERIFY(fereastra.StareBaza()->text().startsWith(QStringLiteral("Baza de date: ")));
    QVERIFY(fereastra.StareBaza()->text().endsWith(QStringLiteral("/DB/PV2006.FDB")));

    // The dialog gets the lines the search lets through, in list order.
    fereastra.ListaElevi()->RzEdit1()->setText(QStringLiteral("BA"));
    QCOMPARE(fereastra.StareElevi()->text(), QStringLiteral("3 elevi, 2 afisati de cautare"));
    QStringList randuri;
    QTimer::singleShot(0, [&randuri] {
        auto* dialog = qobject_cast<TTiparireInSerie*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        for (int i = 0; i < dialog->Lista()->topLevelItemCount(); ++i)
            randuri << dialog->Lista()->topLevelItem(i)->text(0);
        dialog->Renunt();
    });
    fereastra.TiparireInSerie1()->trigger();
    QCOMPARE(randuri, fereastra.ListaElevi()->LiniiAfisate());
    QCOMPARE(randuri.size(), 2);
}

QTEST_MAIN(TestMeniuTiparire)
#include "tst_meniutiparire.moc"
