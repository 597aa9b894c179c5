// The embedded engine's lock files go to a folder of the current user, not to the shared
// /tmp/firebird that the first user of the machine owns.
#include "db/blocarefirebird.h"
#include "support/mediutest.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestBlocareFirebird : public QObject {
    Q_OBJECT
private slots:
    void motorulFolosesteDosarulUtilizatorului();
    void oValoareDataRamane();
};

void TestBlocareFirebird::motorulFolosesteDosarulUtilizatorului()
{
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    qunsetenv("FIREBIRD_LOCK");
    QCOMPARE(DosarBlocareFirebirdImplicit(), runtime.path() + "/firebird");

    // The first connection of this process starts the engine with the chosen folder.
    TMediuTest mediu;
    mediu.PornesteDM();
    QCOMPARE(qEnvironmentVariable("FIREBIRD_LOCK"), runtime.path() + "/firebird");
    const QFileInfo dosar(runtime.path() + "/firebird");
    QVERIFY(dosar.isDir());
    QCOMPARE(dosar.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
             QFile::Permissions());
    QVERIFY2(!QDir(dosar.filePath()).entryList(QDir::Files).isEmpty(), "the engine wrote no lock file there");

    qunsetenv("XDG_RUNTIME_DIR");
    QVERIFY(DosarBlocareFirebirdImplicit().startsWith(QDir::tempPath() + "/firebird-"));
}

void TestBlocareFirebird::oValoareDataRamane()
{
    qputenv("FIREBIRD_LOCK", "/tmp/ales-de-administrator");
    AlegeDosarulDeBlocareFirebird();
    QCOMPARE(qEnvironmentVariable("FIREBIRD_LOCK"), QString("/tmp/ales-de-administrator"));
    QVERIFY(!QFileInfo::exists("/tmp/ales-de-administrator"));
}

QTEST_GUILESS_MAIN(TestBlocareFirebird)
#include "tst_blocarefirebird.moc"
