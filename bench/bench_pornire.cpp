// Start-up cost: a first start (template copy, upgrade, structures, synchronisation) and a
// second start (data module only), beside the raw cost of the catalogue lookups a second
// start runs, so that the overhead shows as a ratio.
#include "support/mediutest.h"

#include <QFile>
#include <benchmark/benchmark.h>

namespace {

void PrimaPornire(benchmark::State& stare)
{
    for (auto _ : stare) {
        stare.PauseTiming();
        auto mediu = std::make_unique<TMediuTest>();
        stare.ResumeTiming();
        mediu->PornesteDM();
        stare.PauseTiming();
        mediu.reset();
        stare.ResumeTiming();
    }
}

void ADouaPornire(benchmark::State& stare)
{
    TMediuTest mediu;
    mediu.PornesteDM();
    mediu.OpresteDM();
    for (auto _ : stare) {
        mediu.PornesteDM();
        stare.PauseTiming();
        mediu.OpresteDM();
        stare.ResumeTiming();
    }
}

// The 14 catalogue lookups of a second start (7 for each of the two entity tables), each
// in its own transaction as the start runs them, on an open connection.
void CautariInCatalog(benchmark::State& stare)
{
    TMediuTest mediu;
    TDM& dm = mediu.PornesteDM();
    const struct {
        const char* Sql;
        const char* Parametru;
        QString Valoare;
    } cautari[] = {
        {"select RDB$RELATION_NAME from RDB$RELATIONS where RDB$RELATION_NAME = :N", "N", "ELEVI"},
        {"select RDB$CONSTRAINT_NAME from RDB$RELATION_CONSTRAINTS where RDB$CONSTRAINT_NAME = :N", "N", "PK_ELEVI"},
        {"select RDB$GENERATOR_NAME from RDB$GENERATORS where RDB$GENERATOR_NAME = :N", "N", "G_ID_ELEVI"},
        {"SELECT * FROM RDB$RELATION_FIELDS WHERE (RDB$RELATION_NAME='DATE') AND (RDB$FIELD_NAME=:N)", "N", "ID_ELEVI"},
        {"SELECT * FROM RDB$RELATION_FIELDS WHERE (RDB$RELATION_NAME='DATE') AND (RDB$FIELD_NAME=:N)", "N", "IDF_ELEVI"},
        {"select RDB$CONSTRAINT_NAME from RDB$RELATION_CONSTRAINTS where RDB$CONSTRAINT_NAME = :N", "N", "FK_ELEVI_1"},
        {"select RDB$CONSTRAINT_NAME from RDB$RELATION_CONSTRAINTS where RDB$CONSTRAINT_NAME = :N", "N", "FK_ELEVI_2"},
    };
    for (auto _ : stare) {
        for (int tabel = 0; tabel < 2; ++tabel)
            for (const auto& cautare : cautari) {
                TGardaTranzactie tr(dm.Tr());
                dm.Q2().SQL(QString::fromLatin1(cautare.Sql));
                dm.Q2().ParamByName(QString::fromLatin1(cautare.Parametru), cautare.Valoare);
                dm.Q2().Open();
                benchmark::DoNotOptimize(dm.Q2().Eof());
                tr.Commit();
            }
    }
}

} // namespace

BENCHMARK(PrimaPornire)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ADouaPornire)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(CautariInCatalog)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
