// Reading a class register of 1,200 pupils and 30 columns in each format, beside the cost of
// only getting at the sheet's bytes (inflating or reading the container), and the number
// formatter per cell.
#include "registre/arhivazip.h"
#include "registre/coloaneexcel.h"
#include "registre/formatnumar.h"
#include "registre/registru.h"
#include "registre/registrucsv.h"
#include "registre/registruxls.h"

#include <QFile>
#include <benchmark/benchmark.h>

namespace {

QString Registru(const char* extensie)
{
    return QStringLiteral(PRAVENT_SOURCE_DIR "/tests/import/fixtures/registru1200.") + QLatin1String(extensie);
}

QByteArray Octeti(const QString& cale)
{
    QFile f(cale);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void CitesteRegistrul(benchmark::State& stare, const char* extensie)
{
    const QString cale = Registru(extensie);
    for (auto _ : stare) {
        const std::unique_ptr<TRegistru> registru = DeschideRegistru(cale);
        TListaColoaneExcel coloane;
        CitesteFoaia(registru->Foaie(registru->Foi().first()), coloane);
        if (coloane.NumarRanduri() != 1200 || coloane.Coloane().size() != 30)
            stare.SkipWithError("registrul nu are 1200 de randuri si 30 de coloane");
        benchmark::DoNotOptimize(coloane);
    }
}

void DoarContainerul(benchmark::State& stare, const char* extensie)
{
    const QString cale = Registru(extensie);
    const QString format = QLatin1String(extensie);
    for (auto _ : stare) {
        const QByteArray octeti = Octeti(cale);
        if (format == QLatin1String("xlsx")) {
            const TArhivaZip zip(octeti, cale);
            benchmark::DoNotOptimize(zip.Citeste(QStringLiteral("xl/worksheets/sheet1.xml")));
            benchmark::DoNotOptimize(zip.Citeste(QStringLiteral("xl/sharedStrings.xml")));
        } else if (format == QLatin1String("ods")) {
            benchmark::DoNotOptimize(TArhivaZip(octeti, cale).Citeste(QStringLiteral("content.xml")));
        } else if (format == QLatin1String("xls")) {
            benchmark::DoNotOptimize(FluxRegistruXls(octeti, cale));
        } else {
            benchmark::DoNotOptimize(DecodeazaTextCsv(octeti));
        }
    }
}

void Formateaza(benchmark::State& stare, const char* format)
{
    const TFormatNumar compilat{QString::fromLatin1(format)};
    double valoare = 5.0;
    for (auto _ : stare) {
        benchmark::DoNotOptimize(compilat.Aplica(valoare));
        valoare = valoare < 10 ? valoare + 0.01 : 5.0;
    }
}

} // namespace

#define PE_FORMAT(functie, extensie) \
    BENCHMARK_CAPTURE(functie, extensie, #extensie)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true)

PE_FORMAT(CitesteRegistrul, xlsx);
PE_FORMAT(CitesteRegistrul, xls);
PE_FORMAT(CitesteRegistrul, ods);
PE_FORMAT(CitesteRegistrul, csv);
PE_FORMAT(DoarContainerul, xlsx);
PE_FORMAT(DoarContainerul, xls);
PE_FORMAT(DoarContainerul, ods);
PE_FORMAT(DoarContainerul, csv);
BENCHMARK_CAPTURE(Formateaza, zecimale, "0.00")->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(Formateaza, general, "General")->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(Formateaza, data, "dd/mm/yyyy")->Repetitions(7)->ReportAggregatesOnly(true);
