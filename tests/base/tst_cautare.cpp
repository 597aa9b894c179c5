#include "base/cautare.h"

#include <QtTest>

// The search a secretary types finds a name whatever its case and Romanian marks, both
// spellings of s and t included, and no more than that.
class TestCautare : public QObject {
    Q_OBJECT
private slots:
    void gaseste_data();
    void gaseste();
};

void TestCautare::gaseste_data()
{
    QTest::addColumn<QString>("nume");
    QTest::addColumn<QString>("cautat");
    QTest::addColumn<bool>("gasit");
    QTest::newRow("mici in mari") << "POPESCU ANA" << "popescu" << true;
    QTest::newRow("mari in mici") << "Popescu Ana" << "POPESCU" << true;
    QTest::newRow("fara semne, sedila") << QString::fromUtf8("\u015ETEF\u0102NESCU") << "stefanescu" << true;
    QTest::newRow("fara semne, virgula") << QString::fromUtf8("\u0218TEF\u0102NESCU") << "STEFANESCU" << true;
    QTest::newRow("sedila cauta virgula") << QString::fromUtf8("\u0162\u00CEN\u021AARU") << QString::fromUtf8("\u021B\u00EEn\u0163aru") << true;
    QTest::newRow("a din a, i din i") << QString::fromUtf8("M\u00C2NDRU \u00CENSURAT") << "mandru insurat" << true;
    QTest::newRow("descompus la intrare") << QString::fromUtf8("S\u0326TEFAN") << "stefan" << true;
    QTest::newRow("blancul tastat conteaza") << "ION POP" << "ion " << true;
    QTest::newRow("blanc final fara potrivire") << "IONESCU" << "ion " << false;
    QTest::newRow("alta litera") << "POPESCU" << "popa" << false;
}

void TestCautare::gaseste()
{
    QFETCH(QString, nume);
    QFETCH(QString, cautat);
    QFETCH(bool, gasit);
    QCOMPARE(ContineCautarea(nume, cautat), gasit);
}

QTEST_MAIN(TestCautare)
#include "tst_cautare.moc"
