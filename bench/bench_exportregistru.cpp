// Exporting a register of 1,200 certificates, read from the embedded database each time as
// the command does: to a workbook, to A4 PDF pages and to CSV. Medians:
// --benchmark_repetitions=N --benchmark_report_aggregates_only=true.
#include "db/registrucertificate.h"
#include "print/exportregistru.h"
#include "support/mediutest.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Intrari = 1200;

class TMediuRegistru {
public:
    TMediuRegistru()
    {
        TCerereInregistrare cerere{QStringLiteral("PV"), 1, QDate(2026, 6, 20), {}, TReluare::Refuza};
        for (int i = 1; i <= Intrari; ++i)
            cerere.Elevi.append({i, QStringLiteral("Numele%1 Prenumele Elevului").arg(i),
                                 QStringLiteral("5%1").arg(i, 12, 10, QLatin1Char('0'))});
        TRegistruCertificate(m_mediu.PornesteDM().Tr()).Inregistreaza(cerere);
    }
    QString Fisier(const char* extensie) const { return m_mediu.Dosar() + QStringLiteral("/registru.") + extensie; }
    TRegistruCertificate Registru() { return TRegistruCertificate(m_mediu.DM().Tr()); }

private:
    TMediuTest m_mediu;
};

TMediuRegistru& Mediu()
{
    static TMediuRegistru mediu;
    return mediu;
}

void Exporta(benchmark::State& state, const char* extensie)
{
    TMediuRegistru& m = Mediu();
    for (auto _ : state)
        ExportaRegistrul(m.Fisier(extensie), m.Registru().Intrari());
}

void ExportXlsx(benchmark::State& state)
{
    Exporta(state, "xlsx");
}

void ExportPdf(benchmark::State& state)
{
    Exporta(state, "pdf");
}

void ExportCsv(benchmark::State& state)
{
    Exporta(state, "csv");
}

} // namespace

BENCHMARK(ExportXlsx)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ExportPdf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ExportCsv)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
