#include "app/praventmain.h"
#include "print/printwiz.h"
#include "support/mediutest.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QtTest>

class TestConfigurareImprimanta : public QObject {
    Q_OBJECT
private slots:
    void deschideFormularulImprimantei();
};

void TestConfigurareImprimanta::deschideFormularulImprimantei()
{
    TMediuTest mediu;
    mediu.PornesteDM();
    TPraventMain fereastra;
    QVERIFY(fereastra.Configurareimprimanta2()->isEnabled());
    QString titlu;
    QTimer::singleShot(0, [&titlu] {
        if (auto* wizard = qobject_cast<TPrintWiz*>(QApplication::activeModalWidget())) {
            titlu = wizard->windowTitle();
            wizard->Renunt();
        }
    });
    fereastra.Configurareimprimanta2()->trigger();
    QCOMPARE(titlu, QStringLiteral("Formular pentru pregatirea imprimantei"));
    // Freed when it closed.
    QCOMPARE(fereastra.findChildren<TPrintWiz*>().size(), 0);
}

QTEST_MAIN(TestConfigurareImprimanta)
#include "tst_configurareimprimanta.moc"
