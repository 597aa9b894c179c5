// The lists read a bounded number of statements whatever the number of records, and a
// reload shows what another program committed.
#include "db/depozit.h"
#include "editors/listaelevi.h"
#include "editors/listagenerica.h"
#include "profile/inregistrare.h"
#include "support/bazapeserver.h"
#include "support/conexiunesecundara.h"
#include "support/datetest.h"
#include "support/mediutest.h"

#include <QLineEdit>
#include <QtTest>

class TestListeSeturi : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void eleviInAcelasiNumarDeInstructiuni();
    void eleviPeServerInAcelasiNumarDeInstructiuni();
    void scoliInAcelasiNumarDeInstructiuni();
    void reincarcaArataCeAuSalvatAltii();

private:
    // The statements one reload of the pupils' lines runs, and checks the lines.
    long long InstructiuniLinii(int numar);
    // The reload of 10 pupils, then of 1,000, on the data module's database.
    void VerificaInstructiuni(TDM& dm);

    std::unique_ptr<TMediuTest> m_mediu;
    TDM* m_dm = nullptr;
};

namespace {

QString LinieAsteptata(int i)
{
    const QString nume = QStringLiteral("Nume%1 Prenume%1").arg(i);
    return nume + " / " + nume + " (1" + QString::number(i).rightJustified(12, '0') + ")";
}

} // namespace

void TestListeSeturi::init()
{
    m_mediu = std::make_unique<TMediuTest>();
    m_dm = &m_mediu->PornesteDM();
}

void TestListeSeturi::cleanup()
{
    m_mediu.reset();
}

long long TestListeSeturi::InstructiuniLinii(int numar)
{
    const long long inainte = InstructiuniRulate();
    const TLiniiAfisate linii = CitesteLiniiAfisate("ELEVI", ProfilInregistrat()->ListaCampuriElev());
    const long long rulate = InstructiuniRulate() - inainte;
    if (int(linii.size()) != numar) {
        qWarning("%d lines instead of %d", int(linii.size()), numar);
        return -1;
    }
    for (int i = 0; i < numar; ++i)
        if (linii.at(i).Denumire != LinieAsteptata(i)) {
            qWarning("line %d: %s", i, qPrintable(linii.at(i).Denumire));
            return -1;
        }
    return rulate;
}

void TestListeSeturi::VerificaInstructiuni(TDM& dm)
{
    AdaugaEleviNumerotati(dm.Tr().Conexiune(), 0, 10);
    const long long zece = InstructiuniLinii(10);
    AdaugaEleviNumerotati(dm.Tr().Conexiune(), 10, 990);
    const long long oMie = InstructiuniLinii(1000);
    QVERIFY(zece > 0);
    QCOMPARE(oMie, zece);
    // The records, the profile and the values.
    QVERIFY2(zece <= 4, qPrintable(QString::number(zece)));
}

void TestListeSeturi::eleviInAcelasiNumarDeInstructiuni()
{
    VerificaInstructiuni(*m_dm);
}

// Where every statement is a round trip over the network.
void TestListeSeturi::eleviPeServerInAcelasiNumarDeInstructiuni()
{
    SARI_FARA_SERVER_FIREBIRD();
    TBazaPeServer server;
    QVERIFY2(server.Porneste() && server.BazaNoua(QStringLiteral("lista.fdb")), qPrintable(server.Eroare()));
    TMediuTest mediu(false);
    VerificaInstructiuni(mediu.PornesteDM());
}

void TestListeSeturi::scoliInAcelasiNumarDeInstructiuni()
{
    const QString expresie = ProfilInregistrat()->ListaCampuriGeneric();
    auto instructiuni = [&] {
        const long long inainte = InstructiuniRulate();
        CitesteLiniiAfisate("SCOALA", expresie);
        return InstructiuniRulate() - inainte;
    };
    const int prima = AdaugaInregistrare(*m_dm, "SCOALA");
    ScrieValoare(*m_dm, "SCOALA", prima, "PV.FATA.C_JUDETUL", "Alba");
    const long long una = instructiuni();
    for (int i = 0; i < 20; ++i)
        ScrieValoare(*m_dm, "SCOALA", AdaugaInregistrare(*m_dm, "SCOALA"), "PV.FATA.C_LOCALITATEA", "Blaj");
    QCOMPARE(instructiuni(), una);
    const TLiniiAfisate linii = CitesteLiniiAfisate("SCOALA", expresie);
    QCOMPARE(int(linii.size()), 21);
    QCOMPARE(linii.front().Denumire, QString("Alba   "));
    QCOMPARE(linii.back().Denumire, QString(" Blaj  "));
}

void TestListeSeturi::reincarcaArataCeAuSalvatAltii()
{
    AdaugaEleviNumerotati(m_dm->Tr().Conexiune(), 0, 2);
    TListaElevi lista;
    // Whatever its case, "nume" is in "Prenume" too: the search names the surname itself.
    lista.RzEdit1()->setText("/ Nume");
    lista.Reincarca();
    QCOMPARE(lista.LiniiAfisate(), (QStringList{LinieAsteptata(0), LinieAsteptata(1)}));

    TConexiuneSecundara alta(TLocBazaDeDate::Fisier(m_mediu->CaleBazaDeDate()));
    AdaugaEleviNumerotati(alta.Conexiune(), 2, 1);
    alta.Executa("UPDATE \"DATE\" SET VALOARE_TEXT='Altul' WHERE COD_CAMP='C_NUME' AND VALOARE_TEXT='Nume0'");
    QCOMPARE(lista.LiniiAfisate().size(), 2);
    lista.Reincarca();
    QCOMPARE(lista.LiniiAfisate(), (QStringList{LinieAsteptata(1), LinieAsteptata(2)}));

    TListaGenerica scoli;
    scoli.NumeTabel = "SCOALA";
    scoli.Reincarca();
    QCOMPARE(scoli.Linii().size(), std::size_t(0));
    alta.Executa({"INSERT INTO SCOALA (ID_SCOALA) VALUES (GEN_ID(G_ID_SCOALA, 1))",
                  "INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_SCOALA, VALOARE_TEXT, VALOARE_NUM) "
                  "SELECT 'PV', 'FATA', 'C_JUDETUL', MAX(ID_SCOALA), 'Cluj', 0 FROM SCOALA"});
    scoli.Reincarca();
    QCOMPARE(scoli.Linii().size(), std::size_t(1));
    QCOMPARE(scoli.Linii().front().Denumire, QString("Cluj   "));
}

QTEST_MAIN(TestListeSeturi)
#include "tst_listeseturi.moc"
