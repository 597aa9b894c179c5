#include "support/mediutest.h"
#include "widgets/brvvirtualgrid.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

constexpr int NumarLinii = 1200;
constexpr int NumarColoane = 30;

// The texts the owner keeps, one row of 30 per line.
struct TDateMemorie {
    TDateMemorie()
    {
        texte.resize(NumarLinii);
        for (int r = 0; r < NumarLinii; ++r)
            for (int c = 0; c < NumarColoane; ++c)
                texte[r].append(QStringLiteral("Rand %1, coloana %2").arg(r).arg(c));
    }
    std::vector<QStringList> texte;
};

// The owner's row of a line: its position, kept with the line as the import does.
struct TLinieBench : TBrvVirtualGridLine {
    int Rand = 0;
};

class TGrilaBench {
public:
    explicit TGrilaBench(const TDateMemorie& date) : m_date(date)
    {
        grila.resize(1280, 720);
        grila.BeginUpdate();
        for (int c = 0; c < NumarColoane; ++c) {
            TBrvVirtualGridColumn& coloana = grila.Coloane().Add();
            coloana.SetNumeColoana(QStringLiteral("Coloana numarul %1").arg(c));
            coloana.SetUmbrela1(c < 3 ? QStringLiteral("Grup") : QString());
            coloana.SetWidth(90 + c % 4 * 10);
        }
        for (int r = 0; r < NumarLinii; ++r)
            grila.Linii().Adauga<TLinieBench>()->Rand = r;
        grila.EndUpdate();
        grila.OnGetCellValue = [this](TBrvVirtualGridLine* obj, int coloana, TBrvValoareDate& v) {
            ++apeluri;
            v.SetText(m_date.texte[static_cast<TLinieBench*>(obj)->Rand][coloana]);
        };
    }

    void Arata()
    {
        grila.show();
        QCoreApplication::processEvents();
    }
    void Redeseneaza()
    {
        grila.viewport()->repaint();
        grila.VedereFixa()->viewport()->repaint();
        grila.horizontalHeader()->viewport()->repaint();
    }

    TBrvVirtualGrid grila;
    long apeluri = 0;

private:
    const TDateMemorie& m_date;
};

struct TMediuBench {
    TMediuTest mediu{false};
    TDateMemorie date;
    std::unique_ptr<TGrilaBench> grila;
    TGrilaBench& Grila()
    {
        if (!grila) {
            grila = std::make_unique<TGrilaBench>(date);
            grila->Arata();
        }
        return *grila;
    }
};

TMediuBench& Mediu()
{
    static TMediuBench mediu;
    return mediu;
}

void Construire(benchmark::State& state)
{
    TMediuBench& m = Mediu();
    for (auto _ : state) {
        TGrilaBench grila(m.date);
        benchmark::DoNotOptimize(grila.grila.model()->rowCount());
    }
}

void RedesenareCompleta(benchmark::State& state)
{
    TGrilaBench& g = Mediu().Grila();
    g.Redeseneaza();
    g.apeluri = 0;
    for (auto _ : state)
        g.Redeseneaza();
    state.counters["OnGetCellValue"] = benchmark::Counter(double(g.apeluri), benchmark::Counter::kAvgIterations);
}

void PasDeDerulare(benchmark::State& state)
{
    TGrilaBench& g = Mediu().Grila();
    QScrollBar& bara = *g.grila.verticalScrollBar();
    bara.setValue(0);
    for (auto _ : state) {
        bara.setValue(bara.value() >= bara.maximum() ? 0 : bara.value() + 1);
        g.Redeseneaza();
    }
    bara.setValue(0);
}

// A hundred ticks with a whole row fading (the grid selects lines), each repainting what
// changed; the mouse crosses a new row every fifth tick.
void TicuriEvidentiere(benchmark::State& state)
{
    TGrilaBench& g = Mediu().Grila();
    g.grila.SetOptiuni(goSelectezLinia);
    for (auto _ : state) {
        for (int tic = 0; tic < 100; ++tic) {
            if (tic % 5 == 0) {
                g.grila.MouseLaCelula(3, tic / 5 % 20);
                g.grila.MouseLaCelula(-1, -1);
            }
            g.grila.Tic();
            QCoreApplication::processEvents();
        }
    }
    g.grila.SetOptiuni(0);
}

// The owner's answers alone, as many as one full repaint asks for.
void DoarOnGetCellValue(benchmark::State& state)
{
    TGrilaBench& g = Mediu().Grila();
    g.apeluri = 0;
    g.Redeseneaza();
    const long perRedesenare = g.apeluri;
    std::vector<TBrvVirtualGridLine*> linii;
    for (int r = 0; r < 40; ++r)
        linii.push_back(g.grila.Linii().Linie(r));
    for (auto _ : state)
        for (long i = 0; i < perRedesenare; ++i) {
            TBrvValoareDate v;
            g.grila.OnGetCellValue(linii[size_t(i % 40)], int(i % NumarColoane), v);
            benchmark::DoNotOptimize(v);
        }
    state.counters["OnGetCellValue"] = double(perRedesenare);
}

} // namespace

BENCHMARK(Construire)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(RedesenareCompleta)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(PasDeDerulare)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(TicuriEvidentiere)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(DoarOnGetCellValue)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
