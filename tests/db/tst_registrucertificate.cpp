// The register of issued certificates on the real engine: the upgrade that brings it, every
// change of an entry recorded beside it, and two secretaries printing at once on a server.
#include "db/registrucertificate.h"
#include "support/bazapeserver.h"
#include "support/conexiunesecundara.h"
#include "support/mediutest.h"
#include "support/procestest.h"

#include <QProcess>
#include <QSet>
#include <QtTest>

namespace {

const QDate Ziua(2026, 6, 20);

TElevDeInregistrat Elev(int id)
{
    return {id, QStringLiteral("Nume%1 Prenume%1").arg(id), QStringLiteral("1%1").arg(id, 12, 10, QLatin1Char('0'))};
}

TCerereInregistrare Cerere(const QList<int>& elevi, int primulNumar, TReluare reluare = TReluare::Refuza)
{
    TCerereInregistrare cerere{QStringLiteral("pv"), primulNumar, Ziua, {}, reluare};
    for (const int id : elevi)
        cerere.Elevi.append(Elev(id));
    return cerere;
}

QString Mesaj(const std::function<void()>& pas)
{
    try {
        pas();
    } catch (const EEroare& e) {
        return e.Mesaj();
    }
    return QStringLiteral("(nicio eroare)");
}

QString Stari(const std::vector<TSchimbareStare>& istoric)
{
    QStringList stari;
    for (const TSchimbareStare& s : istoric)
        stari << TextStare(s.Stare) + u'|' + s.Motiv + u'|' + s.Primitor + u'|' + (s.Utilizator.isEmpty() ? "?" : "u");
    return stari.join(u';');
}

} // namespace

class TestRegistruCertificate : public QObject {
    Q_OBJECT
private slots:
    void oBazaDeVersiunea3PrimesteRegistrulSiIsiPastreazaElevii();
    void tiparireAnulareDuplicatSiPredareRaminInIstoric();
    void douaTipaririPeServerNuImpartNumerele();
};

void TestRegistruCertificate::oBazaDeVersiunea3PrimesteRegistrulSiIsiPastreazaElevii()
{
    TMediuTest mediu;
    {
        TDM dm;
        dm.GasesteSauCreeazaBazaDeDate();
        dm.Conecteaza();
        ExecutaSql(dm, "ALTER TABLE PROFIL_DIPLOMA ADD LATIME_SUGERATA INTEGER, ADD COD_LINIE VARCHAR(32)");
        ExecutaSql(dm, "ALTER TABLE PROFIL_DIPLOMA ADD ORDINE INTEGER");
        ExecutaSql(dm, "UPDATE CONFID_DB SET VERSIUNE=3");
        dm.SincronizeazaTabele();
        dm.CreeazaStructuri();
        dm.SincronizeazaTipuriDeDate();
        dm.SincronizeazaProfil();
        AdaugaEleviNumerotati(dm.Tr().Conexiune(), 1, 3);
        QVERIFY(!ColoanaSql(dm, "SELECT RDB$RELATION_NAME FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = "
                                "'REGISTRU_CERTIFICATE'")
                     .size());
    }
    // The start made step by step above is complete: the next one must not begin it again.
    QVERIFY(QFile::remove(mediu.CaleBazaDeDate() + ".incomplet"));
    TDM& dm = mediu.PornesteDM();
    QCOMPARE(ColoanaSql(dm, "SELECT VERSIUNE FROM CONFID_DB"), QStringList{"4"});
    QCOMPARE(ColoanaSql(dm, "SELECT COUNT(*) FROM ELEVI"), QStringList{"3"});
    QCOMPARE(ColoanaSql(dm, "SELECT COUNT(*) FROM PROFIL_DIPLOMA"), QStringList{"50"});
    TRegistruCertificate registru(dm.Tr());
    const std::vector<TIntrareRegistru> intrari = registru.Inregistreaza(Cerere({2, 1}, 7));
    QCOMPARE(intrari.size(), size_t(2));
    QCOMPARE(registru.Intrari().front().Nume, QString("Nume2 Prenume2"));
    QCOMPARE(registru.UrmatorulNumarCarton("PV"), 9);
}

void TestRegistruCertificate::tiparireAnulareDuplicatSiPredareRaminInIstoric()
{
    TMediuTest mediu;
    TDM& dm = mediu.PornesteDM();
    TRegistruCertificate registru(dm.Tr());
    // A paper register reached 40 before the program took it over.
    registru.StabilesteUrmatorulNrInregistrare(41);
    QVERIFY(Mesaj([&] { registru.StabilesteUrmatorulNrInregistrare(12); }).contains("urmatorul numar este 41"));

    // Cards in the order they go through the printer: consecutive numbers, the series in capitals.
    const std::vector<TIntrareRegistru> clasa = registru.Inregistreaza(Cerere({3, 1, 2}, 48213));
    QStringList vazute;
    for (const TIntrareRegistru& i : registru.Intrari())
        vazute << QString("%1 %2 %3 %4 %5").arg(i.NrInregistrare).arg(i.IdElev).arg(i.Seria, NumarCartonAfisat(i.Numar),
                                                                                        TextStare(i.Stare));
    QCOMPARE(vazute, QStringList({"41 3 PV 048213 tiparit", "42 1 PV 048214 tiparit", "43 2 PV 048215 tiparit"}));
    QCOMPARE(registru.Intrari().front().DataInregistrare, Ziua);

    // Refused before anything is written: a used card, a pupil who holds a certificate, bad input.
    const QString folosit = Mesaj([&] { registru.Inregistreaza(Cerere({9}, 48215)); });
    QVERIFY2(folosit.contains("seria PV nr. 048215 a fost deja folosit") && folosit.contains("Nume2"),
             qPrintable(folosit));
    const QString valabil = Mesaj([&] { registru.Inregistreaza(Cerere({9, 1}, 50000)); });
    QVERIFY2(valabil.contains("Nume1 Prenume1 are deja certificatul seria PV nr. 048214 (nr. inregistrare 42 din "
                              "20.06.2026)"),
             qPrintable(valabil));
    QVERIFY_THROWS_EXCEPTION(ECertificatValabil, registru.Inregistreaza(Cerere({1}, 50000)));
    QVERIFY(Mesaj([&] { registru.Inregistreaza(Cerere({9, 9}, 50000)); }).contains("de doua ori"));
    TCerereInregistrare faraSerie = Cerere({9}, 50000);
    faraSerie.Seria = "P1";
    QVERIFY(Mesaj([&] { registru.Inregistreaza(faraSerie); }).contains("litere"));
    QCOMPARE(registru.Intrari().size(), size_t(3));
    QCOMPARE(registru.UrmatorulNrInregistrare(), 44);

    // The card of pupil 1 came out spoiled; pupil 2 lost the one handed over to her mother.
    registru.Inregistreaza(Cerere({1}, 48216, TReluare::Retiparire));
    registru.Preda("pv", 48215, "Mama, Ionescu Maria");
    QVERIFY(Mesaj([&] { registru.Preda("PV", 48215, "Altcineva"); }).contains("deja predat lui Mama, Ionescu Maria"));
    const std::vector<TIntrareRegistru> duplicat = registru.Inregistreaza(Cerere({2}, 48217, TReluare::Duplicat));
    QCOMPARE(duplicat.front().Fel, TFelCertificat::Duplicat);
    QCOMPARE(duplicat.front().IdOriginal, std::optional<int>(clasa.at(2).Id));
    QCOMPARE(registru.CertificatValabil(2)->Numar, 48217);
    QCOMPARE(registru.CertificatValabil(1)->NrInregistrare, 44);

    QCOMPARE(Stari(registru.Istoric(clasa.at(1).Id)), QString("tiparit|||u;anulat|tiparit gresit||u"));
    QCOMPARE(Stari(registru.Istoric(clasa.at(2).Id)),
             QString("tiparit|||u;predat||Mama, Ionescu Maria|u;anulat|pierdut sau deteriorat, inlocuit prin duplicat||u"));
    QVERIFY(Mesaj([&] { registru.Preda("PV", 48214, "Elevul"); }).contains("este anulat: nu poate fi predat"));
    QVERIFY(Mesaj([&] { registru.Anuleaza("PV", 48213, "  "); }).contains("cere un motiv"));
    QVERIFY(Mesaj([&] { registru.Anuleaza("PV", 48299, "x"); }).contains("nu este in registru"));
    registru.Anuleaza("PV", 48213, "patat la predare");
    QVERIFY(Mesaj([&] { registru.Anuleaza("PV", 48213, "iar"); }).contains("deja anulat"));
    QVERIFY(!registru.CertificatValabil(3));

    // Entries and their states are never rewritten, whoever tries.
    for (const char* sql : {"UPDATE REGISTRU_CERTIFICATE SET NUME_ELEV = 'x'", "DELETE FROM STARI_CERTIFICATE",
                            "UPDATE STARI_CERTIFICATE SET MOTIV = ''", "DELETE FROM REGISTRU_CERTIFICATE"})
        QVERIFY_THROWS_EXCEPTION(EEroare, ExecutaSql(dm, sql));
    QCOMPARE(ColoanaSql(dm, "SELECT COUNT(*) FROM STARI_CERTIFICATE"), QStringList{"9"});
}

void TestRegistruCertificate::douaTipaririPeServerNuImpartNumerele()
{
    SARI_FARA_SERVER_FIREBIRD();
    TBazaPeServer server;
    QVERIFY2(server.Porneste(), qPrintable(server.Eroare()));
    QVERIFY2(server.BazaNoua(QStringLiteral("registru.fdb")), qPrintable(server.Eroare()));
    TMediuTest prima(false);
    TMediuTest aDoua(false);
    const TRezultatProces init = RuleazaProgramul({"--init-db"}, prima.Dosar());
    QVERIFY2(init.CodIesire == 0, qPrintable(init.Erori));
    constexpr int PeClasa = 12;
    {
        TConexiuneProprie conexiune(server.Loc());
        AdaugaEleviNumerotati(conexiune, 1, 2 * PeClasa);
    }
    // Each secretary prints her class, one card at a time so that both draw numbers together.
    QProcess procese[2];
    const QString dosare[2] = {prima.Dosar(), aDoua.Dosar()};
    for (int p = 0; p < 2; ++p) {
        QStringList elevi;
        for (int i = 1; i <= PeClasa; ++i)
            elevi << QString::number(p * PeClasa + i);
        procese[p].setProperty("elevi", elevi);
    }
    for (int runda = 0; runda < PeClasa; ++runda) {
        for (int p = 0; p < 2; ++p)
            PornesteProgramul(procese[p],
                              {"--print-pdf", dosare[p] + QString("/c%1.pdf").arg(runda), "--page", "fata", "--pupil",
                               procese[p].property("elevi").toStringList().at(runda), "--card-series",
                               p == 0 ? "A" : "B", "--card-number", QString::number(runda + 1)},
                              dosare[p]);
        for (QProcess& proces : procese) {
            QVERIFY(proces.waitForFinished(120000));
            QVERIFY2(proces.exitCode() == 0, proces.readAllStandardError().constData());
        }
    }
    TConexiuneProprie conexiune(server.Loc());
    const QStringList numere = ColoanaPeConexiune(conexiune, "SELECT NR_INREGISTRARE FROM REGISTRU_CERTIFICATE");
    QCOMPARE(numere.size(), 2 * PeClasa);
    QSet<QString> distincte(numere.cbegin(), numere.cend());
    QCOMPARE(distincte.size(), 2 * PeClasa);
    QCOMPARE(ColoanaPeConexiune(conexiune, "SELECT MIN(NR_INREGISTRARE) || '-' || MAX(NR_INREGISTRARE) FROM "
                                           "REGISTRU_CERTIFICATE"),
             QStringList{QString("1-%1").arg(2 * PeClasa)});
    // The server's user signs every change.
    QCOMPARE(ColoanaPeConexiune(conexiune, "SELECT DISTINCT UTILIZATOR FROM STARI_CERTIFICATE"),
             ColoanaPeConexiune(conexiune, "SELECT CURRENT_USER FROM RDB$DATABASE"));
}

QTEST_MAIN(TestRegistruCertificate)
#include "tst_registrucertificate.moc"
