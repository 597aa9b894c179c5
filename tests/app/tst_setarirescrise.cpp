// Releasing a settings object leaves the store holding its values, but rewrites the store's
// file only when one of them changed.
#include "base/infoglobal2005.h"
#include "support/mediutest.h"

#include <QSettings>
#include <QtTest>
#include <sys/stat.h>

namespace {

// The store's file is replaced, not edited, when it is written.
ino_t InodFisierSetari()
{
    struct stat informatii {};
    if (::stat(QFile::encodeName(DeschideSetari().fileName()).constData(), &informatii) != 0)
        return 0;
    return informatii.st_ino;
}

} // namespace

class TestSetariRescrise : public QObject {
    Q_OBJECT
private slots:
    void doarOValoareSchimbataRescrieFisierul();
};

void TestSetariRescrise::doarOValoareSchimbataRescrieFisierul()
{
    TMediuTest mediu;
    { TInfoGlobal2005 optiuni; }
    const ino_t scris = InodFisierSetari();
    QVERIFY(scris != 0);
    { TInfoGlobal2005 optiuni; }
    QCOMPARE(InodFisierSetari(), scris);

    {
        TInfoGlobal2005 optiuni;
        optiuni.setNotaCotor("NOTA/PROCENT");
    }
    QVERIFY(InodFisierSetari() != scris);
    QCOMPARE(TInfoGlobal2005().NotaCotor(), QString("NOTA/PROCENT"));

    // A value removed from the store by someone else is written again, unchanged or not.
    DeschideSetari().remove("2006/Global/SufixFete");
    { TInfoGlobal2005 optiuni; }
    QSettings setari = DeschideSetari();
    QVERIFY(setari.contains("2006/Global/SufixFete"));
}

QTEST_MAIN(TestSetariRescrise)
#include "tst_setarirescrise.moc"
