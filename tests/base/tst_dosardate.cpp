// Where the program keeps its data and finds its template: build folder, portable copy,
// installed tree (also when its folder is writable, as for root or an unpacked package).
#include "base/dosardate.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void CreeazaFisier(const QString& cale)
{
    QDir().mkpath(QFileInfo(cale).path());
    QFile fisier(cale);
    QVERIFY(fisier.open(QIODevice::WriteOnly));
    fisier.write("sablon");
}

} // namespace

class TestDosarDate : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void copiaInstalataFolosesteDosarulUtilizatorului();
    void dosarulExecutabiluluiCandNuEsteInstalat();
    void praventHomeAreIntaietate();
    void ordineaCautariiSablonului();

private:
    QString DosarUtilizator() const
    {
        return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    }

    QTemporaryDir m_radacina;
};

void TestDosarDate::initTestCase()
{
    // The per-user folders of the test mode, never the real ones.
    QStandardPaths::setTestModeEnabled(true);
}

void TestDosarDate::init()
{
    qunsetenv("PRAVENT_HOME");
}

void TestDosarDate::copiaInstalataFolosesteDosarulUtilizatorului()
{
    const QString bin = m_radacina.path() + "/instalat/usr/bin";
    QVERIFY(QDir().mkpath(bin));
    QVERIFY(QFileInfo(bin).isWritable());
    QVERIFY(!EsteCopieInstalata(bin));
    CreeazaFisier(m_radacina.path() + "/instalat/usr/share/pravent/BLANK.FDB");

    QVERIFY(EsteCopieInstalata(bin));
    QCOMPARE(DosarPartajatPentru(bin), m_radacina.path() + "/instalat/usr/share/pravent");
    QCOMPARE(DosarDatePentru(bin), DosarUtilizator());
    QCOMPARE(CaleSablonBazaDeDatePentru(bin), m_radacina.path() + "/instalat/usr/share/pravent/BLANK.FDB");
}

void TestDosarDate::dosarulExecutabiluluiCandNuEsteInstalat()
{
    const QString build = m_radacina.path() + "/sursa/build";
    QVERIFY(QDir().mkpath(build));
    QVERIFY(!EsteCopieInstalata(build));
    QCOMPARE(DosarDatePentru(build), build);
    // With no template anywhere the path in the data folder is named, and does not exist.
    QCOMPARE(CaleSablonBazaDeDatePentru(build), build + "/BLANK.FDB");
    QVERIFY(!QFile::exists(build + "/BLANK.FDB"));

    // A folder that is not writable is no data folder.
    const QString protejat = m_radacina.path() + "/protejat";
    QVERIFY(QDir().mkpath(protejat));
    QVERIFY(QFile::setPermissions(protejat, QFile::ReadOwner | QFile::ExeOwner));
    if (QFileInfo(protejat).isWritable())
        QSKIP("running as root: every folder is writable");
    QCOMPARE(DosarDatePentru(protejat), DosarUtilizator());
}

void TestDosarDate::praventHomeAreIntaietate()
{
    const QString bin = m_radacina.path() + "/acasa/usr/bin";
    CreeazaFisier(m_radacina.path() + "/acasa/usr/share/pravent/BLANK.FDB");
    QVERIFY(QDir().mkpath(bin));
    qputenv("PRAVENT_HOME", QFile::encodeName(m_radacina.path() + "/date/../date"));
    QCOMPARE(DosarDatePentru(bin), m_radacina.path() + "/date");
    QCOMPARE(DosarDatePentru(m_radacina.path()), m_radacina.path() + "/date");
}

void TestDosarDate::ordineaCautariiSablonului()
{
    const QString radacina = m_radacina.path() + "/ordine";
    const QString bin = radacina + "/usr/bin";
    const QString date = radacina + "/date";
    QVERIFY(QDir().mkpath(bin));
    qputenv("PRAVENT_HOME", QFile::encodeName(date));

    CreeazaFisier(radacina + "/usr/share/pravent/BLANK.FDB");
    QCOMPARE(CaleSablonBazaDeDatePentru(bin), radacina + "/usr/share/pravent/BLANK.FDB");
    CreeazaFisier(bin + "/BLANK.FDB");
    QCOMPARE(CaleSablonBazaDeDatePentru(bin), bin + "/BLANK.FDB");
    CreeazaFisier(date + "/BLANK.FDB");
    QCOMPARE(CaleSablonBazaDeDatePentru(bin), date + "/BLANK.FDB");
}

QTEST_GUILESS_MAIN(TestDosarDate)
#include "tst_dosardate.moc"
