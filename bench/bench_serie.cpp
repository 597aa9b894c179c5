#include "base/infoglobal2005.h"
#include "certificat/particularizaretextarea.h"
#include "db/valoarecamp.h"
#include "print/allstuffreg.h"
#include "print/imprimantacurenta.h"
#include "print/insertpaperform.h"
#include "print/progresserie.h"
#include "print/tiparireinregistrata.h"
#include "print/tiparirepdf.h"
#include "print/tiparireserie.h"
#include "support/elevcomplet.h"
#include "support/fisierpdftest.h"
#include "support/mediutest.h"

#include <QFile>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <unistd.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

const int ClasaMare = 300;

// A data folder with a class of pupils, every field and mark filled, and the school; a
// printer calibrated to print into a PDF file.
class TMediuSerie {
public:
    TMediuSerie()
    {
        UitaListaParticularizari();
        TDM& dm = m_mediu.PornesteDM();
        AdaugaElevComplet(dm);
        AdaugaElevi(dm, ClasaMare - 1);
        m_linii = CitesteLiniiAfisate(QStringLiteral("ELEVI"), QStringLiteral("{PV.FATA.C_NUME}"));
        TInfoGlobal2005 optiuni;
        optiuni.setNotaDiploma(QStringLiteral("NOTA/LITERE"));
        optiuni.setMedieDiploma(QStringLiteral("NOTA/LITERE"));
        TAllStuffReg setari;
        setari.ImprimantaConfigurata = true;
        setari.ModAlimentare = 2;
    }

    TLiniiAfisate Primii(int cati) const { return TLiniiAfisate(m_linii.cbegin(), m_linii.cbegin() + cati); }
    QString Pdf() const { return m_mediu.Dosar() + QStringLiteral("/clasa.pdf"); }
    QString Dosar() const { return m_mediu.Dosar(); }
    // The in-process job needs the database open; the program run as a process opens it itself.
    void CuBazaDeschisa(bool deschisa)
    {
        if (deschisa && !m_deschisa)
            m_mediu.PornesteDM();
        else if (!deschisa && m_deschisa)
            m_mediu.OpresteDM();
        m_deschisa = deschisa;
    }

private:
    // Copies of the complete pupil's values, in one transaction: a class is entered quickly.
    static void AdaugaElevi(TDM& dm, int cati)
    {
        TGardaTranzactie tr(dm.Tr());
        TInterogare& q = dm.Q6();
        for (int i = 0; i < cati; ++i) {
            q.SQL(QStringLiteral("SELECT GEN_ID(G_ID_ELEVI,1) AS \"ID\" FROM RDB$DATABASE"));
            q.Open();
            const int id = q.FieldByName(QStringLiteral("ID")).AsInteger();
            q.SQL(QStringLiteral("insert into ELEVI (ID_ELEVI) values (:id)"));
            q.ParamByName(QStringLiteral("id"), id);
            q.ExecSQL();
            for (auto it = ValoriElevComplet().cbegin(); it != ValoriElevComplet().cend(); ++it) {
                const TReferintaCamp ref = DescompuneReferinta(it.key());
                q.SQL(QStringLiteral("INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, "
                                     "VALOARE_TEXT, VALOARE_NUM) VALUES (:F, :P, :C, :ID, :V, 0)"));
                q.ParamByName(QStringLiteral("F"), ref.Formular);
                q.ParamByName(QStringLiteral("P"), ref.Pagina);
                q.ParamByName(QStringLiteral("C"), ref.Camp);
                q.ParamByName(QStringLiteral("ID"), id);
                q.ParamByName(QStringLiteral("V"), it.value());
                q.ExecSQL();
            }
        }
        tr.Commit();
    }

    TMediuTest m_mediu;
    TLiniiAfisate m_linii;
    bool m_deschisa = true;
};

TMediuSerie& Mediu()
{
    static TMediuSerie mediu;
    return mediu;
}

struct TRulare {
    int CodIesire = -1;
    // Peak resident memory of the process, KiB, read while it runs.
    long PicKiB = 0;
    // Its own processor time: on a busy machine a steadier figure than the wall clock.
    double SecundeCpu = 0;
};

// The process's peak resident memory so far (VmHWM), KiB; 0 once it has ended. The
// kernel's own figure for a finished child would count the memory of this process, which
// started it.
long PicMemorie(pid_t pid)
{
    QFile stare(QStringLiteral("/proc/%1/status").arg(pid));
    if (!stare.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& linie : stare.readAll().split('\n'))
        if (linie.startsWith("VmHWM:"))
            return linie.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

// Runs the program as the user would, its output dropped, and reads its peak memory.
TRulare RuleazaProgramul(const QStringList& argumente)
{
    std::vector<QByteArray> texte{QByteArrayLiteral(PRAVENT_EXECUTABLE)};
    for (const QString& a : argumente)
        texte.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& t : texte)
        argv.push_back(t.data());
    argv.push_back(nullptr);
    std::vector<QByteArray> mediu{"PRAVENT_HOME=" + Mediu().Dosar().toLocal8Bit(),
                                  "XDG_CONFIG_HOME=" + Mediu().Dosar().toLocal8Bit() + "/setari",
                                  "QT_QPA_PLATFORM=offscreen"};
    for (char** e = environ; *e; ++e)
        mediu.emplace_back(*e);
    std::vector<char*> envp;
    for (QByteArray& m : mediu)
        envp.push_back(m.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t iesiri;
    posix_spawn_file_actions_init(&iesiri);
    posix_spawn_file_actions_addopen(&iesiri, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&iesiri, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    TRulare rulare;
    if (posix_spawn(&pid, argv[0], &iesiri, nullptr, argv.data(), envp.data()) == 0) {
        int stare = 0;
        rusage resurse{};
        while (wait4(pid, &stare, WNOHANG, &resurse) == 0) {
            rulare.PicKiB = qMax(rulare.PicKiB, PicMemorie(pid));
            usleep(2000);
        }
        rulare.CodIesire = WIFEXITED(stare) ? WEXITSTATUS(stare) : -1;
        rulare.SecundeCpu = static_cast<double>(resurse.ru_utime.tv_sec + resurse.ru_stime.tv_sec)
                            + static_cast<double>(resurse.ru_utime.tv_usec + resurse.ru_stime.tv_usec) / 1e6;
    }
    posix_spawn_file_actions_destroy(&iesiri);
    return rulare;
}

QString ListaId(int cati)
{
    QStringList id;
    for (const TLinieAfisata& l : Mediu().Primii(cati))
        id << QString::number(l.Id);
    return id.join(u',');
}

// The class job as the dialog runs it: the prompt answered at once, the progress window shown.
void SerieInProces(benchmark::State& state)
{
    TMediuSerie& m = Mediu();
    m.CuBazaDeschisa(true);
    TFisierePdfTest pdf;
    pdf.RaspundeCu(m.Pdf());
    AlegeImprimanta(NumeImprimantaPdf());
    QTimer raspuns;
    QObject::connect(&raspuns, &QTimer::timeout, [] {
        if (TInsertPaperForm::Instanta().isVisible())
            TInsertPaperForm::Instanta().Ok();
    });
    raspuns.start(1);
    const TLiniiAfisate elevi = m.Primii(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TProgresFereastra progres(nullptr);
        if (TiparesteSeria(elevi, TPaginaCertificat::Fata, progres).Tiparite != static_cast<int>(elevi.size())) {
            state.SkipWithError("the job stopped");
            break;
        }
    }
    AlegeImprimanta(QString());
}

void Comanda(benchmark::State& state, const QStringList& argumente)
{
    Mediu().CuBazaDeschisa(false);
    long pic = 0;
    double cpu = 0;
    for (auto _ : state) {
        const TRulare r = RuleazaProgramul(argumente);
        if (r.CodIesire != 0) {
            state.SkipWithError("the program failed");
            break;
        }
        pic = qMax(pic, r.PicKiB);
        cpu += r.SecundeCpu;
    }
    state.counters["pic_KiB"] = static_cast<double>(pic);
    state.counters["cpu_program_s"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}

// The fronts of the first N pupils into one PDF by one run of the program.
void SerieComanda(benchmark::State& state)
{
    const int cati = static_cast<int>(state.range(0));
    Comanda(state, {"--print-pdf", Mediu().Pdf(), "--pupil", ListaId(cati), "--page", "fata"});
}

// Both sides of 30 pupils by one run of the program.
void SerieComandaAmbele(benchmark::State& state)
{
    Comanda(state, {"--print-pdf", Mediu().Pdf(), "--pupil", ListaId(30), "--page", "ambele"});
}

// Both sides of a class of 30 into one PDF in this process, as --print-pdf draws them.
void SerieAmbeleInProces(benchmark::State& state)
{
    TMediuSerie& m = Mediu();
    m.CuBazaDeschisa(true);
    QList<int> elevi;
    for (const TLinieAfisata& l : m.Primii(30))
        elevi << l.Id;
    for (auto _ : state)
        TiparesteCertificateInPdf(m.Pdf(), elevi, TPaginiCertificat::Ambele);
}

// The same class with each card recorded in the register and its numbers printed: every
// run reprints the class on the next 30 cards, voiding the previous ones.
void SerieAmbeleInProcesCuRegistru(benchmark::State& state)
{
    TMediuSerie& m = Mediu();
    m.CuBazaDeschisa(true);
    QList<int> elevi;
    for (const TLinieAfisata& l : m.Primii(30))
        elevi << l.Id;
    static int primulCarton = 1;
    for (auto _ : state) {
        TiparesteSiInregistreazaInPdf(m.Pdf(), elevi, TPaginiCertificat::Ambele, false,
                                      {QStringLiteral("PV"), primulCarton, QDate::currentDate(), TReluare::Retiparire});
        primulCarton += 30;
    }
}

// One pupil, both sides, by one run of the program: start, database, drawing, file.
void UnElevAmbele(benchmark::State& state)
{
    Comanda(state, {"--print-pdf", Mediu().Pdf(), "--pupil", ListaId(1), "--page", "ambele"});
}

// What a class cost before: one run of the program per pupil.
void UnElevPeRulare(benchmark::State& state)
{
    Mediu().CuBazaDeschisa(false);
    const TLiniiAfisate elevi = Mediu().Primii(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (const TLinieAfisata& elev : elevi) {
            const QStringList argumente{"--print-pdf", Mediu().Pdf(), "--pupil", QString::number(elev.Id),
                                        "--page", "fata"};
            if (RuleazaProgramul(argumente).CodIesire != 0) {
                state.SkipWithError("the program failed");
                return;
            }
        }
    }
}

} // namespace

BENCHMARK(SerieInProces)->Arg(30)->Arg(ClasaMare)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(SerieComanda)->Arg(30)->Arg(ClasaMare)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(SerieAmbeleInProces)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(SerieAmbeleInProcesCuRegistru)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(UnElevAmbele)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(SerieComandaAmbele)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(UnElevPeRulare)->Arg(30)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);
// Some minutes a run: once is enough to see the difference.
BENCHMARK(UnElevPeRulare)->Arg(ClasaMare)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(1);
