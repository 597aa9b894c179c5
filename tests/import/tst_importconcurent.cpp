// Two secretaries import overlapping classes into one server database at the same moment:
// every row is written once, each CNP belongs to one pupil.
#include "support/mediutest.h"
#include "support/procestest.h"
#include "support/bazapeserver.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

namespace {

constexpr int NumarElevi = 500;

QString Cnp(int i)
{
    return QStringLiteral("5") + QString::number(100000000000LL + i);
}

// A class register saved as CSV: the CNP, then the name the import takes.
QString ScrieCatalog(const QString& dosar, const QString& nume)
{
    const QString cale = dosar + QLatin1Char('/') + nume + QStringLiteral(".csv");
    QFile fisier(cale);
    if (!fisier.open(QIODevice::WriteOnly))
        return {};
    QByteArray text = "CNP;Nume\n";
    for (int i = 0; i < NumarElevi; ++i)
        text += (Cnp(i) + QLatin1Char(';') + nume + QString::number(i) + QLatin1Char('\n')).toUtf8();
    fisier.write(text);
    return cale;
}

} // namespace

class TestImportConcurent : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void douaImporturiAceiasiClase();

private:
    std::unique_ptr<TBazaPeServer> m_server;
};

void TestImportConcurent::initTestCase()
{
    SARI_FARA_SERVER_FIREBIRD();
    m_server = std::make_unique<TBazaPeServer>();
    QVERIFY2(m_server->Porneste(), qPrintable(m_server->Eroare()));
}

void TestImportConcurent::douaImporturiAceiasiClase()
{
    QVERIFY2(m_server->BazaNoua(QStringLiteral("import.fdb")), qPrintable(m_server->Eroare()));
    // Each secretary's program on its own computer: data folders of their own.
    TMediuTest prima(false);
    TMediuTest aDoua(false);
    const TRezultatProces init = RuleazaProgramul({"--init-db"}, prima.Dosar());
    QVERIFY2(init.CodIesire == 0, qPrintable(init.Erori));

    QProcess procese[2];
    const QString nume[2] = {QStringLiteral("Ana"), QStringLiteral("Ion")};
    const QString dosare[2] = {prima.Dosar(), aDoua.Dosar()};
    for (int i = 0; i < 2; ++i) {
        const QString catalog = ScrieCatalog(dosare[i], nume[i]);
        QVERIFY(!catalog.isEmpty());
        PornesteProgramul(procese[i], {"--import", catalog, "--cnp-column", "A", "--field", "PV.FATA.C_NUME=coloana:B"},
                          dosare[i]);
    }
    int creati = 0;
    for (QProcess& proces : procese) {
        QVERIFY(proces.waitForFinished(180000));
        const QString iesire = QString::fromUtf8(proces.readAllStandardOutput());
        QVERIFY2(proces.exitCode() == 0, qPrintable(iesire + QString::fromUtf8(proces.readAllStandardError())));
        const QStringList linii = iesire.split(QLatin1Char('\n'));
        int noi = -1;
        int actualizati = -1;
        for (const QString& linie : linii) {
            if (linie.startsWith("Elevi noi: "))
                noi = linie.mid(11).toInt();
            if (linie.startsWith("Elevi actualizati: "))
                actualizati = linie.mid(19).toInt();
        }
        QCOMPARE(noi + actualizati, NumarElevi);
        creati += noi;
    }
    // Between them the two created every pupil once; the other one's rows found them.
    QCOMPARE(creati, NumarElevi);

    TDM& dm = prima.PornesteDM();
    QCOMPARE(ColoanaSql(dm, "SELECT COUNT(*) FROM ELEVI"), QStringList{QString::number(NumarElevi)});
    QCOMPARE(ColoanaSql(dm, "SELECT VALOARE_TEXT FROM \"DATE\" WHERE COD_CAMP='C_CNP' GROUP BY VALOARE_TEXT HAVING "
                            "COUNT(*) > 1"),
             QStringList());
    // Every pupil has one name, the one of whichever import wrote its row last.
    const QStringList elevi = ColoanaSql(dm, "SELECT c.VALOARE_TEXT || '|' || n.VALOARE_TEXT FROM \"DATE\" c JOIN "
                                             "\"DATE\" n ON n.ID_ELEVI = c.ID_ELEVI AND n.COD_CAMP = 'C_NUME' WHERE "
                                             "c.COD_CAMP = 'C_CNP'");
    QCOMPARE(elevi.size(), NumarElevi);
    for (int i = 0; i < NumarElevi; ++i) {
        const QString cnp = Cnp(i) + QLatin1Char('|');
        QVERIFY2(elevi.contains(cnp + nume[0] + QString::number(i)) || elevi.contains(cnp + nume[1] + QString::number(i)),
                 qPrintable(cnp));
    }
}

QTEST_MAIN(TestImportConcurent)
#include "tst_importconcurent.moc"
