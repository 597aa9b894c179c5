#include "base/infoglobal2005.h"
#include "editors/listacomuna.h"
#include "forms/butonformular.h"
#include "forms/handlerformular.h"
#include "certificat/particularizaretextarea.h"
#include "forms/umplereformular.h"
#include "print/scrienotainformular.h"
#include "print/printpraventform.h"
#include "support/elevcomplet.h"
#include "support/mediutest.h"
#include "support/procestest.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// One data folder with a pupil who has every field and mark, and the school.
struct TMediuBench {
    TMediuBench()
    {
        UitaListaParticularizari();
        idElev = AdaugaElevComplet(mediu.PornesteDM());
        TInfoGlobal2005 optiuni;
        optiuni.setNotaDiploma(QStringLiteral("NOTA/LITERE"));
        optiuni.setMedieDiploma(QStringLiteral("NOTA/LITERE"));
    }

    TMediuTest mediu;
    int idElev = -1;
};

TMediuBench& Mediu()
{
    static TMediuBench mediu;
    return mediu;
}

void UmplereAmbelePagini(benchmark::State& state)
{
    TMediuBench& m = Mediu();
    TPrintPraventForm formular;
    for (auto _ : state)
        UmpleFormular(formular, m.idElev, ScrieNotaInFormular);
}

// From the press of the button to the preview shown; closing it is not counted.
void ADouaApasarePravent(benchmark::State& state)
{
    TMediuBench& m = Mediu();
    QTreeWidget vt;
    vt.addTopLevelItem(NodNou(QStringLiteral("POPESCU"), m.idElev));
    vt.topLevelItem(0)->setSelected(true);
    TButonFormular buton(TListaHandlerFormularDePrintat::Instanta().Handler(0), [&vt] { return IdSelectat(vt); }, nullptr);
    QElapsedTimer ceas;
    qint64 pana = 0;
    const auto apasa = [&] {
        QTimer::singleShot(0, [&] {
            pana = ceas.nsecsElapsed();
            if (QWidget* formular = QApplication::activeModalWidget())
                static_cast<QDialog*>(formular)->reject();
        });
        ceas.start();
        buton.click();
    };
    apasa(); // the first press creates the form
    for (auto _ : state) {
        apasa();
        state.SetIterationTime(static_cast<double>(pana) / 1e9);
    }
}

void ComandaTiparirePdf(benchmark::State& state)
{
    TMediuBench& m = Mediu();
    // The program opens the database itself.
    m.mediu.OpresteDM();
    const QStringList argumente{QStringLiteral("--print-pdf"), m.mediu.Dosar() + QStringLiteral("/certificat.pdf"),
                                QStringLiteral("--pupil"),     QString::number(m.idElev),
                                QStringLiteral("--page"),      QStringLiteral("ambele")};
    for (auto _ : state) {
        const TRezultatProces rezultat = RuleazaProgramul(argumente, m.mediu.Dosar());
        if (rezultat.CodIesire != 0) {
            state.SkipWithError(qPrintable(rezultat.Erori));
            break;
        }
    }
}

} // namespace

BENCHMARK(UmplereAmbelePagini)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ADouaApasarePravent)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(ComandaTiparirePdf)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5)->ReportAggregatesOnly(true);
