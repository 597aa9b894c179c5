// The program's version: "--version" and the "Despre" window show the same text.
#include "app/despre.h"
#include "app/ghid.h"
#include "app/praventmain.h"
#include "base/versiune.h"
#include "support/mediutest.h"
#include "support/procestest.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <QtTest>

class TestDespre : public QObject {
    Q_OBJECT
private slots:
    void versiuneaDinLiniaDeComanda();
    void fereastraDespreDinMeniu();
    void ghidulDinMeniu();
};

void TestDespre::versiuneaDinLiniaDeComanda()
{
    TMediuTest mediu(false);
    const TRezultatProces rezultat = RuleazaProgramul({"--version"}, mediu.Dosar());
    QCOMPARE(rezultat.CodIesire, 0);
    QCOMPARE(rezultat.Iesire, QString("Pravent 2006 2006.9.2.188\n"));
    QCOMPARE(rezultat.Iesire.trimmed(), NumeSiVersiuneProgram());
    // Asking for the version neither needs nor creates a database.
    QVERIFY(!QFileInfo::exists(mediu.Dosar() + "/DB"));
}

void TestDespre::fereastraDespreDinMeniu()
{
    TMediuTest mediu(false);
    TPraventMain fereastra;
    QCOMPARE(fereastra.menuBar()->actions().last()->text(), QString("&Ajutor"));
    QCOMPARE(fereastra.MeniuAjutor()->actions(), (QList<QAction*>{fereastra.Ghid1(), fereastra.Despre1()}));
    QCOMPARE(fereastra.Despre1()->text(), QString("&Despre Pravent 2006"));

    QString titlu, versiune, dosar;
    bool aratata = false;
    QTimer::singleShot(0, [&] {
        auto* despre = qobject_cast<TDespre*>(QApplication::activeModalWidget());
        QVERIFY(despre);
        aratata = true;
        titlu = despre->windowTitle();
        versiune = despre->Versiune()->text();
        dosar = despre->DosarDate()->text();
        if (!qEnvironmentVariableIsEmpty("PRAVENT_CAPTURI"))
            despre->grab().save(qEnvironmentVariable("PRAVENT_CAPTURI") + "/despre.png");
        despre->Ok();
    });
    fereastra.Despre1()->trigger();
    QVERIFY(aratata);
    QCOMPARE(titlu, QString("Despre Pravent 2006"));
    QCOMPARE(versiune, "Versiunea " + VersiuneProgram());
    QCOMPARE(dosar, mediu.Dosar());
}

// F1 opens the guide shipped with the program: the first day, the keys, where the data
// lives, how to go back to a daily copy and the register of certificates.
void TestDespre::ghidulDinMeniu()
{
    TMediuTest mediu(false);
    TPraventMain fereastra;
    QCOMPARE(fereastra.Ghid1()->shortcut(), QKeySequence(Qt::Key_F1));
    QString text;
    QTimer::singleShot(0, [&] {
        auto* ghid = qobject_cast<TGhid*>(QApplication::activeModalWidget());
        QVERIFY(ghid);
        text = ghid->Text()->toPlainText();
        if (!qEnvironmentVariableIsEmpty("PRAVENT_CAPTURI"))
            ghid->grab().save(qEnvironmentVariable("PRAVENT_CAPTURI") + "/ghid.png");
        ghid->reject();
    });
    fereastra.Ghid1()->trigger();
    for (const char* parte : {"Prima zi", "Configurare scoala", "Import din Excel", "Ctrl+F", "DB/PV2006.FDB",
                              "pravent --restore", "Registrul certificatelor", "Cartoanele tiparite"})
        QVERIFY2(text.contains(QLatin1String(parte)), parte);
}

QTEST_MAIN(TestDespre)
#include "tst_despre.moc"
