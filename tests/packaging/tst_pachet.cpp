// The Debian package as a distribution would check it: made by CPack, its files and
// dependencies, the validators, and the unpacked program run as a new user would run it
// (its own HOME, no PRAVENT_HOME): nothing of the build folder, nothing written outside HOME.
#include "db/tdm.h"
#include "profile/profilpv.h"
#include "support/cuvintepdf.h"
#include "support/elevcomplet.h"
#include "support/procestest.h"

#include <algorithm>

#include <QDirIterator>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Versiune = QStringLiteral("2006.9.2.188");
const QString DosarBuild = QFileInfo(QStringLiteral(PRAVENT_EXECUTABLE)).absolutePath();

TRezultatProces Ruleaza(const QString& program, const QStringList& argumente,
                        const QProcessEnvironment& mediu = QProcessEnvironment::systemEnvironment(),
                        const QString& dosarLucru = QString())
{
    return RuleazaProces(program, argumente, mediu, dosarLucru, 280000);
}

// Every file and folder below a root with its size and modification time.
QStringList Amprenta(const QString& radacina)
{
    QStringList intrari;
    QDirIterator it(radacina, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        intrari << QStringLiteral("%1 %2 %3")
                       .arg(info.filePath().mid(radacina.size()))
                       .arg(info.isDir() ? -1 : info.size())
                       .arg(info.lastModified().toMSecsSinceEpoch());
    }
    intrari.sort();
    return intrari;
}

QStringList Fisiere(const QString& radacina)
{
    QStringList fisiere;
    QDirIterator it(radacina, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        fisiere << it.next().mid(radacina.size());
    fisiere.sort();
    return fisiere;
}

} // namespace

class TestPachet : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void continutSiDrepturi();
    void dependente();
    void validatoare();
    void programulDespachetat();

private:
    QString m_pachet;
    QTemporaryDir m_lucru;
};

void TestPachet::initTestCase()
{
    InregistreazaProfilPV(); // as the program's start-up does, for the pupil added below
    QVERIFY(m_lucru.isValid());
    // Made into a folder of the test's own, so that the build folder stays as it was.
    const TRezultatProces cpack = Ruleaza(QStringLiteral("cpack"), {"-G", "DEB", "-B", m_lucru.path(), "--config",
                                                           DosarBuild + "/CPackConfig.cmake"});
    QVERIFY2(cpack.CodIesire == 0, qPrintable(cpack.Iesire + cpack.Erori));
    m_pachet = m_lucru.path() + "/pravent_" + Versiune + "_amd64.deb";
    QVERIFY2(QFileInfo::exists(m_pachet), qPrintable(cpack.Iesire));
}

void TestPachet::continutSiDrepturi()
{
    const TRezultatProces lista = Ruleaza(QStringLiteral("dpkg-deb"), {"--contents", m_pachet});
    QCOMPARE(lista.CodIesire, 0);
    QStringList fisiere, executabile;
    for (const QString& linie : lista.Iesire.split('\n', Qt::SkipEmptyParts)) {
        const QStringList coloane = linie.simplified().split(' ');
        QCOMPARE(coloane.value(1), QString("root/root"));
        if (coloane.value(0).startsWith('d'))
            continue;
        fisiere << coloane.last();
        if (coloane.value(0) == QLatin1String("-rwxr-xr-x"))
            executabile << coloane.last();
        else
            QCOMPARE(coloane.value(0), QString("-rw-r--r--"));
    }
    fisiere.sort();
    QCOMPARE(fisiere, (QStringList{"./usr/bin/pravent",
                                   "./usr/share/applications/ro.brenvolt.pravent.desktop",
                                   "./usr/share/doc/pravent/changelog.gz",
                                   "./usr/share/doc/pravent/copyright",
                                   "./usr/share/icons/hicolor/128x128/apps/pravent.png",
                                   "./usr/share/icons/hicolor/48x48/apps/pravent.png",
                                   "./usr/share/icons/hicolor/scalable/apps/pravent.svg",
                                   "./usr/share/man/man1/pravent.1.gz",
                                   "./usr/share/metainfo/ro.brenvolt.pravent.metainfo.xml",
                                   "./usr/share/pravent/BLANK.FDB"}));
    QCOMPARE(executabile, QStringList{"./usr/bin/pravent"});
}

void TestPachet::dependente()
{
    const TRezultatProces camp = Ruleaza(QStringLiteral("dpkg-deb"), {"--field", m_pachet, "Package", "Version", "Architecture",
                                                             "Depends"});
    QCOMPARE(camp.CodIesire, 0);
    QVERIFY2(camp.Iesire.contains("Package: pravent\n"), qPrintable(camp.Iesire));
    QVERIFY2(camp.Iesire.contains("Version: " + Versiune + "\n"), qPrintable(camp.Iesire));
    QVERIFY2(camp.Iesire.contains("Architecture: amd64\n"), qPrintable(camp.Iesire));
    const QString linie = camp.Iesire.mid(camp.Iesire.indexOf("Depends: ") + 9).section('\n', 0, 0);
    QStringList pachete;
    for (const QString& dependenta : linie.split(','))
        pachete << dependenta.trimmed().section(' ', 0, 0);
    // Computed from the executable's libraries, and the ones loaded at run time.
    for (const char* pachet : {"libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6",
                               "libqt6printsupport6", "libfbclient2", "firebird3.0-server-core", "fonts-liberation"})
        QVERIFY2(pachete.contains(pachet), qPrintable(QString(pachet) + " is missing from: " + linie));
    // The database goes through Firebird's own client: no Qt SQL, no Qt Firebird driver.
    for (const char* pachet : {"libqt6sql6", "libqt6sql6-ibase"})
        QVERIFY2(!pachete.contains(pachet), qPrintable(QString(pachet) + " is still in: " + linie));
}

void TestPachet::validatoare()
{
    const TRezultatProces lintian = Ruleaza(QStringLiteral("lintian"), {"--tag-display-limit", "0", "--display-info", m_pachet});
    qInfo("lintian:\n%s%s", qPrintable(lintian.Iesire), qPrintable(lintian.Erori));
    QVERIFY2(lintian.CodIesire == 0, qPrintable(lintian.Iesire + lintian.Erori));
    QVERIFY2(!QRegularExpression("^[EW]: ", QRegularExpression::MultilineOption).match(lintian.Iesire).hasMatch(),
             qPrintable(lintian.Iesire));

    const QString radacina = m_lucru.path() + "/validare";
    QCOMPARE(Ruleaza(QStringLiteral("dpkg-deb"), {"-x", m_pachet, radacina}).CodIesire, 0);
    const TRezultatProces desktop = Ruleaza(QStringLiteral("desktop-file-validate"),
                                    {radacina + "/usr/share/applications/ro.brenvolt.pravent.desktop"});
    qInfo("desktop-file-validate:\n%s", qPrintable(desktop.Iesire + desktop.Erori));
    QVERIFY2(desktop.CodIesire == 0, qPrintable(desktop.Iesire + desktop.Erori));
    const TRezultatProces appstream = Ruleaza(QStringLiteral("appstreamcli"),
                                      {"validate", "--no-net", "--pedantic",
                                       radacina + "/usr/share/metainfo/ro.brenvolt.pravent.metainfo.xml"});
    qInfo("appstreamcli validate:\n%s", qPrintable(appstream.Iesire + appstream.Erori));
    QVERIFY2(appstream.CodIesire == 0, qPrintable(appstream.Iesire + appstream.Erori));
}

void TestPachet::programulDespachetat()
{
    const QString radacina = m_lucru.path() + "/radacina";
    const QString acasa = m_lucru.path() + "/acasa";
    const QString lucru = m_lucru.path() + "/lucru";
    QCOMPARE(Ruleaza(QStringLiteral("dpkg-deb"), {"-x", m_pachet, radacina}).CodIesire, 0);
    QVERIFY(QDir().mkpath(acasa) && QDir().mkpath(lucru) && QDir().mkpath(acasa + "/run"));
    const QString program = radacina + "/usr/bin/pravent";
    const QStringList radacinaInainte = Amprenta(radacina);

    QProcessEnvironment mediu = QProcessEnvironment::systemEnvironment();
    for (const char* variabila : {"PRAVENT_HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME",
                                  "XDG_STATE_HOME", "FIREBIRD_LOCK"})
        mediu.remove(variabila);
    mediu.insert("HOME", acasa);
    mediu.insert("XDG_RUNTIME_DIR", acasa + "/run");
    mediu.insert("QT_QPA_PLATFORM", "offscreen");

    const TRezultatProces versiune = Ruleaza(program, {"--version"}, mediu, lucru);
    QCOMPARE(versiune.Iesire, "Pravent 2006 " + Versiune + "\n");

    const QString dosarDate = acasa + "/.local/share/Brenvolt/Pravent 2006";
    const TRezultatProces init = Ruleaza(program, {"--init-db"}, mediu, lucru);
    QVERIFY2(init.CodIesire == 0, qPrintable(init.Erori));
    QCOMPARE(init.Iesire, dosarDate + "/DB/PV2006.FDB\n");
    QVERIFY(QFileInfo::exists(dosarDate + "/DB/PV2006.FDB"));

    // A pupil entered through this process's own data module, on the same file.
    int idElev = -1;
    qputenv("PRAVENT_HOME", QFile::encodeName(dosarDate));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_lucru.path() + "/setari-test");
    {
        TDM dm;
        dm.DataModuleCreate();
        idElev = AdaugaElevComplet(dm);
    }
    qunsetenv("PRAVENT_HOME");

    const TRezultatProces lista = Ruleaza(program, {"--list-pupils"}, mediu, lucru);
    QVERIFY2(lista.CodIesire == 0, qPrintable(lista.Erori));
    QVERIFY2(lista.Iesire.contains("POPESCU"), qPrintable(lista.Iesire));

    const QString pdf = acasa + "/certificat.pdf";
    const TRezultatProces tiparire = Ruleaza(program, {"--print-pdf", pdf, "--pupil", QString::number(idElev)}, mediu, lucru);
    QVERIFY2(tiparire.CodIesire == 0, qPrintable(tiparire.Erori));
    const QList<QList<TCuvantPdf>> pagini = CuvintePePagini(pdf);
    QCOMPARE(pagini.size(), 2);
    QVERIFY(std::any_of(pagini[0].cbegin(), pagini[0].cend(),
                        [](const TCuvantPdf& cuvant) { return cuvant.Text == QLatin1String("POPESCU"); }));

    QCOMPARE(Amprenta(radacina), radacinaInainte);
    QCOMPARE(Fisiere(lucru), QStringList());
    for (const QString& fisier : Fisiere(acasa))
        QVERIFY2(fisier.startsWith("/.local/share/Brenvolt/Pravent 2006/") || fisier.startsWith("/.config/") ||
                     fisier.startsWith("/run/firebird/") || fisier == "/certificat.pdf",
                 qPrintable(fisier));
}

QTEST_MAIN(TestPachet)
#include "tst_pachet.moc"
