// The test server every server test relies on: a real Firebird server of its own, reached
// over TCP by the program's own driver, with its user and nothing else.
#include "support/serverfirebird.h"

#include "db/locbazadedate.h"
#include "support/conexiunesecundara.h"

#include <QtTest>

namespace {

// Opens a connection of the program's own to the given database; the error text when it fails.
QString Conecteaza(const QString& baza, const QString& utilizator, const QString& parola)
{
    try {
        TConexiuneProprie conexiune(TLocBazaDeDate::Server(baza, utilizator, parola));
        if (ColoanaPeConexiune(conexiune, QStringLiteral("SELECT CURRENT_USER FROM RDB$DATABASE"))
            != QStringList{utilizator})
            return QStringLiteral("wrong user on the connection");
        return {};
    } catch (const EEroare& e) {
        return e.Mesaj();
    }
}

} // namespace

class TestServerFirebird : public QObject {
    Q_OBJECT
private slots:
    void serverulPrimesteDoarUtilizatorulSauSiDoarInDosarulSau();
    void douaServereLaUnLocNuSeIncurca();
};

void TestServerFirebird::serverulPrimesteDoarUtilizatorulSauSiDoarInDosarulSau()
{
    SARI_FARA_SERVER_FIREBIRD();
    TServerFirebird server;
    QVERIFY2(server.Porneste(), qPrintable(server.Eroare()));
    const QString baza = server.CreeazaBazaGoala(QStringLiteral("goala.fdb"));
    QVERIFY2(!baza.isEmpty(), qPrintable(server.Eroare()));
    QVERIFY(QFile::exists(server.DosarDate() + QStringLiteral("/goala.fdb")));
    QVERIFY(baza.startsWith(QStringLiteral("127.0.0.1/%1:").arg(server.Port())));

    QCOMPARE(Conecteaza(baza, server.Utilizator(), server.Parola()), QString());
    QVERIFY(!Conecteaza(baza, server.Utilizator(), QStringLiteral("gresita")).isEmpty());
    QVERIFY(!Conecteaza(baza, QStringLiteral("SYSDBA"), QStringLiteral("masterkey")).isEmpty());

    QTemporaryDir altDosar;
    const QString afara = QStringLiteral("127.0.0.1/%1:%2/afara.fdb").arg(server.Port()).arg(altDosar.path());
    QVERIFY(!Conecteaza(afara, server.Utilizator(), server.Parola()).isEmpty());
    QVERIFY(server.CreeazaBazaGoala(QStringLiteral("../afara.fdb")).isEmpty());
}

void TestServerFirebird::douaServereLaUnLocNuSeIncurca()
{
    SARI_FARA_SERVER_FIREBIRD();
    TServerFirebird unu;
    TServerFirebird doi;
    QVERIFY2(unu.Porneste(), qPrintable(unu.Eroare()));
    QVERIFY2(doi.Porneste(), qPrintable(doi.Eroare()));
    QVERIFY(unu.Port() != doi.Port());
    const QString baza = doi.CreeazaBazaGoala(QStringLiteral("a.fdb"));
    QVERIFY2(!baza.isEmpty(), qPrintable(doi.Eroare()));
    QCOMPARE(Conecteaza(baza, doi.Utilizator(), doi.Parola()), QString());
    const QString cuSablon = unu.CreeazaBazaCuSablon(QStringLiteral("b.fdb"));
    QVERIFY2(!cuSablon.isEmpty(), qPrintable(unu.Eroare()));
    const QString prinCelalalt = QString(baza).replace(QString::number(doi.Port()), QString::number(unu.Port()));
    QVERIFY(!Conecteaza(prinCelalalt, unu.Utilizator(), unu.Parola()).isEmpty());
}

QTEST_MAIN(TestServerFirebird)
#include "tst_serverfirebird.moc"
