#include "support/procestest.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString Fixtura(const QString& nume)
{
    return QStringLiteral(PRAVENT_SOURCE_DIR "/tests/import/fixtures/") + nume;
}

} // namespace

// --list-sheets and --read-sheet as a user runs them.
class TestComenziRegistru : public QObject {
    Q_OBJECT
private slots:
    void listeazaFoile();
    void citesteFoaia();
    void erori_data();
    void erori();

private:
    QTemporaryDir m_dosar;
};

void TestComenziRegistru::listeazaFoile()
{
    const TRezultatProces r =
        RuleazaProgramul({QStringLiteral("--list-sheets"), Fixtura(QStringLiteral("registru_xlsxwriter.xlsx"))}, m_dosar.path());
    QCOMPARE(r.CodIesire, 0);
    QCOMPARE(r.Iesire, QStringLiteral("Catalog\nŞcoala\n"));
}

void TestComenziRegistru::citesteFoaia()
{
    const QString fisier = Fixtura(QStringLiteral("registru.ods"));
    TRezultatProces r = RuleazaProgramul({QStringLiteral("--read-sheet"), fisier}, m_dosar.path());
    QCOMPARE(r.CodIesire, 0);
    QFile asteptat(fisier + QStringLiteral(".asteptat.tsv"));
    QVERIFY(asteptat.open(QIODevice::ReadOnly));
    QCOMPARE(r.Iesire, QString::fromUtf8(asteptat.readAll()));
    // A sheet without a CNP: the column line alone (none for an empty sheet).
    r = RuleazaProgramul({QStringLiteral("--read-sheet"), fisier, QStringLiteral("--sheet"), QStringLiteral("Foaia 2")},
                         m_dosar.path());
    QCOMPARE(r.CodIesire, 0);
    QCOMPARE(r.Iesire, QStringLiteral("\n"));
}

void TestComenziRegistru::erori_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<QString>("mesaj");
    const QString lipsa = Fixtura(QStringLiteral("lipsa.xls"));
    QTest::newRow("fisier lipsa") << QStringList{"--list-sheets", lipsa}
                                  << QStringLiteral("Fisierul \"%1\" nu exista.").arg(lipsa);
    QTest::newRow("foaie lipsa") << QStringList{"--read-sheet", Fixtura("registru.xls"), "--sheet", "Clasa a IX-a"}
                                 << QStringLiteral("Registrul nu are foaia de calcul \"Clasa a IX-a\".");
    QTest::newRow("parola") << QStringList{"--read-sheet", Fixtura("parola.xls")}
                            << QStringLiteral("Fisierul \"parola.xls\" este protejat cu parola.");
}

void TestComenziRegistru::erori()
{
    QFETCH(QStringList, argumente);
    QFETCH(QString, mesaj);
    const TRezultatProces r = RuleazaProgramul(argumente, m_dosar.path());
    QCOMPARE(r.CodIesire, 2);
    QCOMPARE(r.Iesire, QString());
    QVERIFY2(r.Erori.contains(mesaj), qPrintable(r.Erori));
}

QTEST_GUILESS_MAIN(TestComenziRegistru)
#include "tst_comenziregistru.moc"
