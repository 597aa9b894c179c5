#include "db/valoarecamp.h"
// Records with 1,000 pupils that have every pupil field filled: reloading and filtering the
// pupil list, one linked field's value and building the pupil edit page, each beside the raw
// cost of the same statements run directly on the query layer, so that the overhead shows
// as a ratio.
#include "editors/editorgenericcomplex.h"
#include "editors/listaelevi.h"
#include "profile/inregistrare.h"
#include "support/mediutest.h"

#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

constexpr int NumarElevi = 1000;

struct TCampElev {
    QString Pagina, Camp, Tip;
};

// Fills the database once: every profile field of the pupils gets a value for every pupil.
class TDateBanc {
public:
    TDateBanc() : m_dm(&m_mediu.PornesteDM())
    {
        const QStringList campuri = ColoanaSql(
            *m_dm, "SELECT COD_PAGINA || '.' || COD_CAMP || '.' || TIP_DE_DATE FROM PROFIL_DIPLOMA WHERE "
                  "ASOCIAT_CU='ELEVI' ORDER BY ORDINE");
        Umple(campuri);
        // A secretary's next start finds the pupils there and refreshes the index statistics.
        m_mediu.OpresteDM();
        m_dm = &m_mediu.PornesteDM();
    }
    TDM& DM() { return *m_dm; }

private:
    void Umple(const QStringList& campuri)
    {
        TGardaTranzactie tr(m_dm->Tr());
        TInterogare& elev = m_dm->Q5();
        TInterogare& valoare = m_dm->Q6();
        elev.SQL("INSERT INTO ELEVI (ID_ELEVI) VALUES (GEN_ID(G_ID_ELEVI, 1)) RETURNING ID_ELEVI");
        valoare.SQL("INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, VALOARE_TEXT, VALOARE_NUM) "
                    "VALUES ('PV', :P, :C, :ID, :V, 0)");
        for (int i = 0; i < NumarElevi; ++i) {
            elev.Open();
            const int id = elev.Fields(0).AsInteger();
            for (const QString& camp : campuri) {
                const QStringList parti = camp.split('.');
                valoare.ParamByName("P", parti.at(0));
                valoare.ParamByName("C", parti.at(1));
                valoare.ParamByName("ID", id);
                valoare.ParamByName("V", parti.at(2) == "NOTA" ? QString("9,%1").arg(i % 100)
                                                                : QString("%1 %2").arg(parti.at(1)).arg(i));
                valoare.ExecSQL();
            }
        }
        tr.Commit();
    }

    TMediuTest m_mediu;
    TDM* m_dm;
};

TDateBanc& Date()
{
    static TDateBanc date;
    return date;
}

const QString SelectProfil = "SELECT * FROM PROFIL_DIPLOMA WHERE (COD_FORMULAR=:COD_FORMULAR) AND "
                             "(COD_PAGINA=:COD_PAGINA) AND (COD_CAMP=:COD_CAMP)";
const QString SelectValoare = "SELECT * FROM \"DATE\" WHERE (COD_FORMULAR=:COD_FORMULAR) AND (COD_PAGINA=:COD_PAGINA) "
                              "AND (COD_CAMP=:COD_CAMP) AND (ID_ELEVI=:ID)";

// One statement with the codes of a field (and the id when it has one), opened, read and closed.
void Ruleaza(TInterogare& q, const QString& sql, const QString& pagina, const QString& camp, int id = -1)
{
    q.SQL(sql);
    q.ParamByName("COD_FORMULAR", QString("PV"));
    q.ParamByName("COD_PAGINA", pagina);
    q.ParamByName("COD_CAMP", camp);
    if (id >= 0)
        q.ParamByName("ID", id);
    q.Open();
    if (!q.Eof())
        benchmark::DoNotOptimize(q.Fields(0).AsString());
    q.Close();
}

void Reincarca(benchmark::State& stare)
{
    Date();
    TListaElevi lista;
    for (auto _ : stare)
        lista.Reincarca();
    stare.counters["linii"] = double(lista.Linii().size());
}

// The pupil list's statements: the ids, the whole profile, and the values of the fields its
// line names for every pupil at once.
void ReincarcaBrut(benchmark::State& stare)
{
    TDM& dm = Date().DM();
    const char* const instructiuni[] = {
        "select id_ELEVI as \"ID\" from ELEVI order by id_ELEVI",
        "SELECT COD_FORMULAR, COD_PAGINA, COD_CAMP, ONOREZ_SIMILAR, SIMILAR_CU, ASOCIAT_CU FROM PROFIL_DIPLOMA",
        "SELECT ID_ELEVI, COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT FROM \"DATE\" WHERE ID_ELEVI IS NOT NULL "
        "AND ((COD_FORMULAR='PV' AND COD_PAGINA='FATA' AND COD_CAMP='C_NUME') OR (COD_FORMULAR='PV' AND "
        "COD_PAGINA='FATA' AND COD_CAMP='C_PRENUME') OR (COD_FORMULAR='PV' AND COD_PAGINA='FATA' AND "
        "COD_CAMP='C_CNP'))"};
    for (auto _ : stare) {
        TGardaTranzactie tr(dm.Tr());
        for (const char* sql : instructiuni) {
            TInchideLaFinal inchide(dm.Q1());
            dm.Q1().SQL(sql);
            for (dm.Q1().Open(); !dm.Q1().Eof(); dm.Q1().Next())
                benchmark::DoNotOptimize(dm.Q1().Fields(0).AsString());
        }
    }
}

void Filtreaza(benchmark::State& stare)
{
    Date();
    TListaElevi lista;
    lista.Reincarca();
    // Matches one pupil in ten ("C_NUME 17", "C_NUME 170" ...).
    lista.RzEdit1()->blockSignals(true);
    lista.RzEdit1()->setText("C_NUME 1");
    lista.RzEdit1()->blockSignals(false);
    for (auto _ : stare)
        lista.Filtreaza();
    stare.counters["afisate"] = double(lista.LiniiAfisate().size());
}

// The same selection without any widget.
void FiltreazaBrut(benchmark::State& stare)
{
    Date();
    TListaElevi lista;
    lista.Reincarca();
    const QString cautat = "C_NUME 1";
    for (auto _ : stare) {
        QStringList afisate;
        for (const TLinieElev& linie : lista.Linii())
            if (linie.Denumire.contains(cautat))
                afisate << linie.Denumire;
        benchmark::DoNotOptimize(afisate);
    }
}

// The front "D_CNP" takes the counterfoil's "C_CNP".
void ValoareCampLegat(benchmark::State& stare)
{
    Date().DM(); // the database of the benchmark, brought up before the timing
    for (auto _ : stare)
        benchmark::DoNotOptimize(ValoareCamp({"PV", "FATA", "D_CNP"}, 500));
}

void ValoareCampLegatBrut(benchmark::State& stare)
{
    TDM& dm = Date().DM();
    for (auto _ : stare) {
        TGardaTranzactie tr(dm.Tr());
        Ruleaza(dm.Q1(), SelectProfil, "FATA", "D_CNP");
        Ruleaza(dm.Q1(), SelectProfil, "FATA", "C_CNP");
        Ruleaza(dm.Q2(), SelectValoare, "FATA", "C_CNP", 500);
    }
}

void ConstruiestePagina(benchmark::State& stare)
{
    Date();
    for (auto _ : stare) {
        TEditorGenericComplex pagina;
        pagina.resize(504, 330);
        pagina.Construieste(500, -1, "ELEVI");
        benchmark::DoNotOptimize(pagina.Editoare().size());
    }
}

// The page's statements: the profile lines, then for every editor its value, and for the
// text editors the suggestions of their field.
void ConstruiestePaginaBrut(benchmark::State& stare)
{
    TDM& dm = Date().DM();
    for (auto _ : stare) {
        TGardaTranzactie tr(dm.Tr());
        std::vector<TCampElev> campuri;
        dm.Q4().SQL("select COD_PAGINA, COD_CAMP, TIP_DE_DATE, SIMILAR_CU, ONOREZ_SIMILAR from PROFIL_DIPLOMA where "
                    "ASOCIAT_CU = :ASOCIAT_CU order by ORDINE");
        dm.Q4().ParamByName("ASOCIAT_CU", QString("ELEVI"));
        for (dm.Q4().Open(); !dm.Q4().Eof(); dm.Q4().Next())
            if (dm.Q4().Fields(3).AsString().isEmpty() || dm.Q4().Fields(4).AsString() != "DA")
                campuri.push_back({dm.Q4().Fields(0).AsString(), dm.Q4().Fields(1).AsString(), dm.Q4().Fields(2).AsString()});
        dm.Q4().Close();
        for (const TCampElev& camp : campuri) {
            if (camp.Tip == "TEXT") {
                dm.Q1().SQL("select DISTINCT(VALOARE_TEXT) from \"DATE\" where (COD_FORMULAR=:COD_FORMULAR) and "
                            "(COD_PAGINA=:COD_PAGINA) and (COD_CAMP=:COD_CAMP)");
                dm.Q1().ParamByName("COD_FORMULAR", QString("PV"));
                dm.Q1().ParamByName("COD_PAGINA", camp.Pagina);
                dm.Q1().ParamByName("COD_CAMP", camp.Camp);
                QStringList sugestii;
                for (dm.Q1().Open(); !dm.Q1().Eof(); dm.Q1().Next())
                    sugestii << dm.Q1().Fields(0).AsString();
                dm.Q1().Close();
            }
            Ruleaza(dm.Q1(), SelectValoare, camp.Pagina, camp.Camp, 500);
        }
    }
}

} // namespace

BENCHMARK(Reincarca)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ReincarcaBrut)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(Filtreaza)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(FiltreazaBrut)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ValoareCampLegat)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ValoareCampLegatBrut)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ConstruiestePagina)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ConstruiestePaginaBrut)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
