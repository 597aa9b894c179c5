#include "forms/formulardeprintat.h"
#include "forms/imprimantaqt.h"
#include "certificat/particularizaretextarea.h"
#include "print/printpraventform.h"
#include "support/mediutest.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct TMediuBench;
TMediuBench& Mediu();

// One preview for every benchmark, in a data folder of its own.
struct TMediuBench {
    TMediuBench()
    {
        UitaListaParticularizari();
        formular = std::make_unique<TPrintPraventForm>();
        formular->show(); // shown areas get their move and resize events at once
        if (Fata().BkImage().isNull()) {
            // The scan's size, so that stretching costs what it will with the real image.
            QImage scan(2331, 1651, QImage::Format_RGB32);
            scan.fill(QColor(250, 248, 240));
            Fata().SetBkImage(scan);
        }
        Umple(QStringLiteral("Popescu"));
        // The preview must go before the application does, not with the other statics.
        qAddPostRoutine([] { Mediu().formular.reset(); });
    }
    TFormularDePrintat& Fata() { return *formular->Fata(); }
    void Umple(const QString& text)
    {
        for (TFormularTextArea* area : Fata().Arii())
            area->SetText(area->Denumire2().isEmpty() ? text : QStringLiteral("7"));
    }
    void Deseneaza()
    {
        QPixmap tinta(Fata().size());
        Fata().render(&tinta);
        benchmark::DoNotOptimize(tinta);
    }

    TMediuTest mediu{false};
    std::unique_ptr<TPrintPraventForm> formular;
};

TMediuBench& Mediu()
{
    static TMediuBench mediu;
    return mediu;
}

void PrimaDesenare(benchmark::State& state)
{
    TMediuBench& m = Mediu();
    m.Fata().SetZoom(100);
    const QImage scan = m.Fata().BkImage();
    for (auto _ : state) {
        m.Fata().SetBkImage(scan); // empties the stretched copy
        m.Deseneaza();
    }
}

void Redesenare(benchmark::State& state)
{
    TMediuBench& m = Mediu();
    m.Fata().SetZoom(100);
    m.Deseneaza();
    for (auto _ : state)
        m.Deseneaza();
}

void PasDeZoom(benchmark::State& state)
{
    TMediuBench& m = Mediu();
    bool mare = false;
    for (auto _ : state) {
        m.Fata().SetZoom(mare ? 100 : 110);
        mare = !mare;
    }
    m.Fata().SetZoom(100);
}

void PotrivireTexteLungi(benchmark::State& state)
{
    TMediuBench& m = Mediu();
    m.Fata().SetZoom(100);
    m.Deseneaza();
    m.Umple(QStringLiteral("Scoala Gimnaziala Nr. 12 \"Mihai Eminescu\" din Municipiul Drobeta-Turnu Severin"));
    for (auto _ : state)
        m.Deseneaza();
    m.Umple(QStringLiteral("Popescu"));
}

void TiparirePaginaInPdf(benchmark::State& state)
{
    TMediuBench& m = Mediu();
    const QString pdf = m.mediu.Dosar() + QStringLiteral("/fata.pdf");
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Landscape);
        QPainter painter(&printer);
        TImprimantaQt imprimanta(printer, painter);
        m.Fata().PrintAllAreas(imprimanta, false, 0, 0);
    }
}

} // namespace

BENCHMARK(PrimaDesenare)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(Redesenare)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(PasDeZoom)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(PotrivireTexteLungi)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(TiparirePaginaInPdf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
