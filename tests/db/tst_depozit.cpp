#include "db/depozit.h"
#include "db/tdm.h"
#include "support/datetest.h"
#include "support/mediutest.h"
#include "support/procestest.h"

#include <QtTest>

namespace {

const TReferintaCamp Nume{"PV", "FATA", "C_NUME"};
const TReferintaCamp Judet{"PV", "FATA", "C_JUDETUL"};

} // namespace

// The statements the editors, lists and printing run, on a real database.
class TestDepozit : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void valoareScrisaSiCitita();
    void actualizareaLasaValoareaUneiSingureTabele();
    void valoriDistincte();
    void inregistrariNoiSiSterse();
    void liniiAfisateInOrdineSiFiltrate();
    void legaturaCampului();
    void tipulCampului();

private:
    std::unique_ptr<TMediuTest> m_mediu;
};

void TestDepozit::init()
{
    m_mediu = std::make_unique<TMediuTest>();
    m_mediu->PornesteDM();
}

void TestDepozit::cleanup()
{
    m_mediu.reset();
}

void TestDepozit::valoareScrisaSiCitita()
{
    const int elev = AdaugaInregistrare(m_mediu->DM(), "ELEVI");
    TGardaTranzactie tr(DM().Tr());
    QVERIFY(ValoareStocata(Nume, "ELEVI", elev).isNull());
    ScrieValoareStocata(Nume, "ELEVI", elev, "Pop");
    QCOMPARE(ValoareStocata(Nume, "ELEVI", elev), QString("Pop"));
    ScrieValoareStocata(Nume, "ELEVI", elev, "Popescu");
    QCOMPARE(ValoareStocata(Nume, "ELEVI", elev), QString("Popescu"));
    // An empty text is a stored value, not the absence of one.
    ScrieValoareStocata(Nume, "ELEVI", elev, "");
    QVERIFY(!ValoareStocata(Nume, "ELEVI", elev).isNull());
    QCOMPARE(ValoareStocata(Nume, "ELEVI", elev + 1), QString());
    QVERIFY_THROWS_EXCEPTION(std::exception, ValoareStocata(Nume, "ELEVI; drop table ELEVI", elev));
}

void TestDepozit::actualizareaLasaValoareaUneiSingureTabele()
{
    const int elev = AdaugaInregistrare(m_mediu->DM(), "ELEVI");
    const int scoala = AdaugaInregistrare(m_mediu->DM(), "SCOALA");
    ExecutaSql(m_mediu->DM(), QStringLiteral("INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, "
                                             "ID_SCOALA, VALOARE_TEXT, VALOARE_NUM) VALUES ('PV', 'FATA', "
                                             "'C_JUDETUL', %1, %2, 'Alba', 0)")
                                  .arg(elev)
                                  .arg(scoala));
    {
        TGardaTranzactie tr(DM().Tr());
        ScrieValoareStocata(Judet, "SCOALA", scoala, "Cluj");
        tr.Commit();
    }
    QCOMPARE(ColoanaSql(m_mediu->DM(), "SELECT VALOARE_TEXT FROM \"DATE\" WHERE COD_CAMP = 'C_JUDETUL'"),
             QStringList{"Cluj"});
    QCOMPARE(ColoanaSql(m_mediu->DM(), "SELECT COUNT(*) FROM \"DATE\" WHERE COD_CAMP = 'C_JUDETUL' AND ID_ELEVI IS NULL"),
             QStringList{"1"});
}

void TestDepozit::valoriDistincte()
{
    for (const char* nume : {"Pop", "Ion", "Pop"})
        ScrieValoare(m_mediu->DM(), "ELEVI", AdaugaInregistrare(m_mediu->DM(), "ELEVI"), "PV.FATA.C_NUME", nume);
    TGardaTranzactie tr(DM().Tr());
    QStringList valori = ValoriDistincte(Nume);
    valori.sort();
    QCOMPARE(valori, (QStringList{"Ion", "Pop"}));
    QVERIFY(ValoriDistincte(Judet).isEmpty());
}

void TestDepozit::inregistrariNoiSiSterse()
{
    int prima = 0, aDoua = 0;
    {
        TGardaTranzactie tr(DM().Tr());
        prima = InregistrareNoua("ELEVI");
        aDoua = InregistrareNoua("ELEVI");
        ScrieValoareStocata(Nume, "ELEVI", aDoua, "Pop");
        tr.Commit();
    }
    QVERIFY(aDoua > prima);
    QVERIFY(ExistaElevul(prima));
    StergeInregistrare("ELEVI", aDoua);
    QVERIFY(!ExistaElevul(aDoua));
    QVERIFY(ExistaElevul(prima));
    QCOMPARE(ColoanaSql(m_mediu->DM(), "SELECT COUNT(*) FROM \"DATE\" WHERE COD_CAMP = 'C_NUME'"), QStringList{"0"});
}

void TestDepozit::liniiAfisateInOrdineSiFiltrate()
{
    const QStringList nume = {"Zamfir", "Avram", "Popa"};
    QList<int> iduri;
    for (const QString& n : nume) {
        iduri << AdaugaInregistrare(m_mediu->DM(), "ELEVI");
        ScrieValoare(m_mediu->DM(), "ELEVI", iduri.back(), "PV.FATA.C_NUME", n);
    }
    const TLiniiAfisate linii = CitesteLiniiAfisate("ELEVI", "<{PV.FATA.C_NUME}>");
    QCOMPARE(int(linii.size()), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(linii.at(i).Id, iduri.at(i));
        QCOMPARE(linii.at(i).Denumire, "<" + nume.at(i) + ">");
    }
    QCOMPARE(int(LiniiFiltrate(linii, "am").size()), 2);
    QCOMPARE(int(LiniiFiltrate(linii, "A").size()), 3);
    QCOMPARE(int(LiniiFiltrate(linii, "  ").size()), 3);
    QCOMPARE(LiniiFiltrate(linii, "Pop").front().Id, iduri.at(2));

    // The command line searches as the window does, and says when nothing matched.
    const int stefanescu = AdaugaInregistrare(m_mediu->DM(), "ELEVI");
    ScrieValoare(m_mediu->DM(), "ELEVI", stefanescu, "PV.FATA.C_NUME", QString::fromUtf8("\u0218TEF\u0102NESCU"));
    m_mediu->OpresteDM();
    const TRezultatProces gasit = RuleazaProgramul({"--list-pupils", "--filter", "stefanescu"}, m_mediu->Dosar());
    QCOMPARE(gasit.CodIesire, 0);
    QCOMPARE(gasit.Iesire.count('\n'), 1);
    QVERIFY2(!gasit.Erori.contains("Niciun elev"), qPrintable(gasit.Erori));
    const TRezultatProces nimic = RuleazaProgramul({"--list-pupils", "--filter", "ionescu"}, m_mediu->Dosar());
    QCOMPARE(nimic.CodIesire, 0);
    QVERIFY(nimic.Iesire.isEmpty());
    QVERIFY2(nimic.Erori.contains("Niciun elev nu se potriveste cautarii \"ionescu\"."), qPrintable(nimic.Erori));
}

void TestDepozit::legaturaCampului()
{
    QCOMPARE(LegaturaCamp({"PV", "FATA", "NU_EXISTA"}).has_value(), false);
    const TReferintaCamp cnp{"PV", "FATA", "D_CNP"};
    const std::optional<TLegaturaCamp> inainte = LegaturaCamp(cnp);
    QVERIFY(inainte);
    ScrieLegaturaCamp(cnp, {"NU", "SCOALA"});
    const std::optional<TLegaturaCamp> dupa = LegaturaCamp(cnp);
    QCOMPARE(dupa->OnorezSimilar, QString("NU"));
    QCOMPARE(dupa->AsociatCu, QString("SCOALA"));
    QVERIFY(!DM().Tr().Active());
}

void TestDepozit::tipulCampului()
{
    QCOMPARE(TipDeDateCamp({"PV", "FATA", "C_CNP"}), std::optional<QString>("CNP"));
    QCOMPARE(TipDeDateCamp({"PV", "FATA", "X"}), std::optional<QString>());
    std::vector<TCampEditor> campuri;
    {
        TGardaTranzactie tr(DM().Tr());
        campuri = CampuriEditorTabel("SCOALA");
    }
    QVERIFY(!campuri.empty());
    for (const TCampEditor& camp : campuri)
        QCOMPARE(LegaturaCamp({camp.CodFormular, camp.CodPagina, camp.CodCamp})->AsociatCu, QString("SCOALA"));
}

QTEST_GUILESS_MAIN(TestDepozit)
#include "tst_depozit.moc"
