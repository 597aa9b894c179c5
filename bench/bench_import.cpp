// Importing a register of 1,000 new pupils (written by openpyxl) into an empty database, the
// same file again (unchanged: nothing to write), and again over pupils whose every imported
// value differs; each beside the raw cost of the same statements and commits run directly on
// the query layer (one transaction a row, and all in one), and beside the engine's own floor:
// the same rows inserted by one EXECUTE BLOCK. The later imports start from the pupils stored
// by the raw statements in one transaction: the same rows, without the wait.
#include "registre/coloaneexcel.h"
#include "db/depozit.h"
#include "db/scriereimport.h"
#include "import/comandaimport.h"
#include "import/importexcel.h"
#include "registre/registru.h"
#include "support/conexiunesecundara.h"
#include "support/mediutest.h"

#include <benchmark/benchmark.h>
#include <optional>

namespace {

constexpr int NumarElevi = 1000;

const TListaColoaneExcel& Coloane()
{
    static const TListaColoaneExcel coloane = [] {
        const std::unique_ptr<TRegistru> registru =
            DeschideRegistru(QStringLiteral(PRAVENT_SOURCE_DIR "/tests/import/fixtures/import1000.xlsx"));
        TListaColoaneExcel citite;
        CitesteFoaia(registru->Foaie(registru->Foi().first()), citite);
        return citite;
    }();
    return coloane;
}

const QStringList Alegeri = {"PV.FATA.C_NUME=prima:B",         "PV.FATA.C_PRENUME=adoua:B",
                             "PV.FATA.C_ABREVIERE=cnp:dra/dl",  "PV.FATA.C_ARTICOL=cnp:a/ul",
                             "PV.SPATE.C_LB_ROMANA=coloana:D", "PV.SPATE.C_MATEMATICA=coloana:E",
                             "PV.SPATE.C_MEDIA_GEN=coloana:F"};

std::vector<TSursaCamp> Surse()
{
    TComandaImport comanda;
    comanda.Campuri = Alegeri;
    return SurseDinComanda(comanda, CampuriImportabile());
}

// A new data folder and database for each timed run, made while the timing is paused.
class TBazaNoua {
public:
    void Reface()
    {
        m_mediu.reset();
        m_mediu.emplace();
        m_dm = &m_mediu->PornesteDM();
    }
    TDM& DM() { return *m_dm; }

private:
    std::optional<TMediuTest> m_mediu;
    TDM* m_dm = nullptr;
};

void VerificaElevii(benchmark::State& stare, TDM& dm)
{
    if (ColoanaSql(dm, QStringLiteral("SELECT COUNT(*) FROM ELEVI")).value(0).toInt() != NumarElevi)
        stare.SkipWithError("baza nu are 1000 de elevi");
}

// The import's statements written out, in its order, with the values it would compute.
class TPreluareBruta {
public:
    explicit TPreluareBruta(TDM& dm) : m_dm(dm) {}

    void Ruleaza(bool oTranzactieUnRand)
    {
        const std::vector<TSursaCamp> surse = Surse();
        std::optional<TGardaTranzactie> toate;
        if (!oTranzactieUnRand)
            toate.emplace(m_dm.Tr());
        for (int rand = 0; rand < Coloane().NumarRanduri(); ++rand) {
            const QString cnp = Coloane().Coloana(QStringLiteral("C"))->Text(rand);
            std::optional<TGardaTranzactie> tr;
            if (oTranzactieUnRand)
                tr.emplace(m_dm.Tr());
            const int id = Elevul(cnp);
            for (const TSursaCamp& sursa : surse)
                if (!sursa.NuImport)
                    Actualizeaza(m_dm.Q4(), "VAL", DescompuneReferinta(sursa.IdCamp), id,
                                 ValoareSursa(sursa, Coloane(), rand, cnp));
            if (tr)
                tr->Commit();
        }
        if (toate)
            toate->Commit();
    }

private:
    int Elevul(const QString& cnp)
    {
        TInterogare& q = m_dm.Q1();
        q.SQL("SELECT ID_ELEVI FROM \"DATE\" WHERE (VALOARE_TEXT=:CNP) AND (COD_FORMULAR=:FORMULAR) AND "
              "(COD_PAGINA=:PAGINA) AND (COD_CAMP=:CAMP)");
        q.ParamByName("CNP", cnp);
        q.ParamByName("FORMULAR", QStringLiteral("PV"));
        q.ParamByName("PAGINA", QStringLiteral("FATA"));
        q.ParamByName("CAMP", QStringLiteral("C_CNP"));
        q.Open();
        if (!q.Eof()) {
            const int id = q.Fields(0).AsInteger();
            q.Close();
            return id;
        }
        q.SQL("SELECT GEN_ID(G_ID_ELEVI, 1) AS \"ID\" FROM RDB$DATABASE");
        q.Open();
        const int id = q.Fields(0).AsInteger();
        q.SQL("INSERT INTO ELEVI (ID_ELEVI) VALUES (:ID_ELEVI)");
        q.ParamByName("ID_ELEVI", id);
        q.ExecSQL();
        TInterogare& campuri = m_dm.Q2();
        std::vector<TReferintaCamp> toate;
        campuri.SQL("SELECT * FROM PROFIL_DIPLOMA WHERE ASOCIAT_CU = 'ELEVI'");
        for (campuri.Open(); !campuri.Eof(); campuri.Next())
            toate.push_back({campuri.FieldByName("COD_FORMULAR").AsString(), campuri.FieldByName("COD_PAGINA").AsString(),
                             campuri.FieldByName("COD_CAMP").AsString()});
        campuri.SQL("INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, ID_ELEVI) "
                    "VALUES (:COD_FORMULAR, :COD_PAGINA, :COD_CAMP, :VALOARE_TEXT, :VALOARE_NUM, :ID_ELEVI)");
        for (const TReferintaCamp& camp : toate) {
            campuri.ParamByName("COD_FORMULAR", camp.Formular);
            campuri.ParamByName("COD_PAGINA", camp.Pagina);
            campuri.ParamByName("COD_CAMP", camp.Camp);
            campuri.ParamByName("VALOARE_TEXT", QString());
            campuri.ParamByName("VALOARE_NUM", 0);
            campuri.ParamByName("ID_ELEVI", id);
            campuri.ExecSQL();
        }
        Actualizeaza(m_dm.Q3(), "CNP", {"PV", "FATA", "C_CNP"}, id, cnp);
        return id;
    }

    static void Actualizeaza(TInterogare& q, const char* parametru, const TReferintaCamp& camp, int id,
                             const QString& valoare)
    {
        q.SQL(QStringLiteral("UPDATE \"DATE\" SET VALOARE_TEXT=:%1 WHERE (ID_ELEVI=:ID_ELEVI) AND "
                             "(COD_FORMULAR=:FORMULAR) AND (COD_PAGINA=:PAGINA) AND (COD_CAMP=:CAMP)")
                  .arg(QLatin1String(parametru)));
        q.ParamByName(QLatin1String(parametru), valoare);
        q.ParamByName("ID_ELEVI", id);
        q.ParamByName("FORMULAR", camp.Formular);
        q.ParamByName("PAGINA", camp.Pagina);
        q.ParamByName("CAMP", camp.Camp);
        q.ExecSQL();
    }

    TDM& m_dm;
};

enum class TBazaInitiala { Goala, AceleasiValori, AlteValori };

void Preluare(benchmark::State& stare, TBazaInitiala initiala)
{
    Coloane();
    TBazaNoua baza;
    for (auto _ : stare) {
        stare.PauseTiming();
        baza.Reface();
        const std::vector<TSursaCamp> surse = Surse();
        if (initiala != TBazaInitiala::Goala)
            TPreluareBruta(baza.DM()).Ruleaza(false);
        if (initiala == TBazaInitiala::AlteValori)
            ExecutaSql(baza.DM(), "UPDATE \"DATE\" SET VALOARE_TEXT = VALOARE_TEXT || 'x' WHERE COD_CAMP <> 'C_CNP'");
        stare.ResumeTiming();
        const TRezultatImport r = Importa(Coloane(), QStringLiteral("C"), surse);
        benchmark::DoNotOptimize(r);
        stare.PauseTiming();
        VerificaElevii(stare, baza.DM());
        stare.ResumeTiming();
    }
}

void PreluareBruta(benchmark::State& stare, bool aDouaOara, bool oTranzactieUnRand)
{
    Coloane();
    TBazaNoua baza;
    for (auto _ : stare) {
        stare.PauseTiming();
        baza.Reface();
        TPreluareBruta bruta(baza.DM());
        if (aDouaOara)
            bruta.Ruleaza(false);
        stare.ResumeTiming();
        bruta.Ruleaza(oTranzactieUnRand);
        stare.PauseTiming();
        VerificaElevii(stare, baza.DM());
        stare.ResumeTiming();
    }
}

// The engine alone: 1,000 pupils with a value row for each of their fields, from one statement
// in one transaction.
void PodeaMotor(benchmark::State& stare)
{
    TBazaNoua baza;
    for (auto _ : stare) {
        stare.PauseTiming();
        baza.Reface();
        stare.ResumeTiming();
        ExecutaPeConexiune(
            baza.DM().Tr().Conexiune(),
            {QStringLiteral("EXECUTE BLOCK AS DECLARE I INTEGER = 0; DECLARE ID INTEGER; BEGIN WHILE (I < %1) DO BEGIN "
                            "ID = GEN_ID(G_ID_ELEVI, 1); INSERT INTO ELEVI (ID_ELEVI) VALUES (:ID); "
                            "INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, VALOARE_TEXT, "
                            "VALOARE_NUM) SELECT COD_FORMULAR, COD_PAGINA, COD_CAMP, :ID, COD_CAMP || ' ' || :I, 0 FROM "
                            "PROFIL_DIPLOMA WHERE ASOCIAT_CU = 'ELEVI'; I = I + 1; END END")
                 .arg(NumarElevi)});
        stare.PauseTiming();
        VerificaElevii(stare, baza.DM());
        stare.ResumeTiming();
    }
}

// The commit of one group of the import alone: RanduriPeGrup stored pupils, each locked and
// with every imported value changed inside its savepoint, as the import writes them (not
// timed), then the one commit that makes the group durable.
void ComitereGrup(benchmark::State& stare)
{
    Coloane();
    TBazaNoua baza;
    baza.Reface();
    TPreluareBruta(baza.DM()).Ruleaza(false);
    const std::vector<TSursaCamp> surse = Surse();
    int runda = 0;
    for (auto _ : stare) {
        stare.PauseTiming();
        TGardaTranzactie tr(baza.DM().Tr());
        for (int id = 1; id <= TTranzactieGrupata::RanduriPeGrup; ++id) {
            TPunctDeSalvare punct(baza.DM().Tr());
            BlocheazaInregistrarea(QStringLiteral("ELEVI"), id);
            for (const TSursaCamp& sursa : surse)
                if (!sursa.NuImport)
                    ScrieValoareElev(DescompuneReferinta(sursa.IdCamp), id, QStringLiteral("grup %1").arg(runda));
            punct.Pastreaza();
        }
        ++runda;
        stare.ResumeTiming();
        tr.Commit();
    }
}

void CitesteRegistrul(benchmark::State& stare)
{
    for (auto _ : stare) {
        const std::unique_ptr<TRegistru> registru =
            DeschideRegistru(QStringLiteral(PRAVENT_SOURCE_DIR "/tests/import/fixtures/import1000.xlsx"));
        TListaColoaneExcel coloane;
        CitesteFoaia(registru->Foaie(registru->Foi().first()), coloane);
        benchmark::DoNotOptimize(coloane);
    }
}

} // namespace

// One import per run, each on a new database: run with --benchmark_repetitions=N and read the medians.
#define MASURA(...) BENCHMARK_CAPTURE(__VA_ARGS__)->Unit(benchmark::kMillisecond)->Iterations(1)

MASURA(Preluare, elevi_noi, TBazaInitiala::Goala);
MASURA(PreluareBruta, elevi_noi, false, true);
MASURA(PreluareBruta, elevi_noi_o_tranzactie, false, false);
BENCHMARK(PodeaMotor)->Unit(benchmark::kMillisecond)->Iterations(1);
MASURA(Preluare, actualizari, TBazaInitiala::AceleasiValori);
MASURA(Preluare, toate_valorile_schimbate, TBazaInitiala::AlteValori);
MASURA(PreluareBruta, actualizari, true, true);
MASURA(PreluareBruta, actualizari_o_tranzactie, true, false);
BENCHMARK(ComitereGrup)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(CitesteRegistrul)->Unit(benchmark::kMillisecond);
