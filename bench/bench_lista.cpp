// Reloading the pupil list of 1,000 pupils with every pupil field filled, as the main window
// does after each save: on the embedded database, and on a Firebird server of this machine
// reached through TCP (started by the benchmark, as the tests start theirs); the counter
// "instructiuni" is what one reload runs, each a round trip to the engine. Medians:
// --benchmark_repetitions=N --benchmark_report_aggregates_only=true.
#include "base/eroare.h"
#include "db/interogare.h"
#include "editors/listaelevi.h"
#include "support/mediutest.h"
#include "support/bazapeserver.h"
#include "support/conexiunesecundara.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int NumarElevi = 1000;

// Every pupil field of the profile, for every pupil, in one statement.
void UmpleElevi(TDM& dm, int numar)
{
    const QString sql = QStringLiteral(
        "EXECUTE BLOCK AS DECLARE I INTEGER = 0; DECLARE ID INTEGER; BEGIN WHILE (I < %1) DO BEGIN "
        "ID = GEN_ID(G_ID_ELEVI, 1); INSERT INTO ELEVI (ID_ELEVI) VALUES (:ID); "
        "INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, VALOARE_TEXT, VALOARE_NUM) "
        "SELECT COD_FORMULAR, COD_PAGINA, COD_CAMP, :ID, COD_CAMP || ' ' || :I, 0 FROM PROFIL_DIPLOMA "
        "WHERE ASOCIAT_CU = 'ELEVI'; I = I + 1; END END");
    ExecutaPeConexiune(dm.Tr().Conexiune(), {sql.arg(numar)});
}

enum class TLoc { Embedded, Server };

// A database on a server of the benchmark's own, reached through PRAVENT_DB.
std::unique_ptr<TBazaPeServer> BazaPeServer()
{
    if (!TServerFirebird::Instalat())
        throw EEroare(QStringLiteral("firebird3.0-server nu este instalat"));
    auto server = std::make_unique<TBazaPeServer>();
    if (!server->Porneste() || !server->BazaNoua(QStringLiteral("lista.fdb")))
        throw EEroare(server->Eroare());
    return server;
}

// The database the benchmarks of one place run on, filled once.
class TBaza {
public:
    explicit TBaza(TLoc loc)
        : m_server(loc == TLoc::Server ? BazaPeServer() : nullptr), m_mediu(loc == TLoc::Embedded)
    {
        UmpleElevi(m_mediu.PornesteDM(), NumarElevi);
        // The next start finds the pupils there and refreshes the index statistics.
        m_mediu.OpresteDM();
        m_mediu.PornesteDM();
    }

private:
    std::unique_ptr<TBazaPeServer> m_server;
    TMediuTest m_mediu;
};

// One database at a time, the data module being the program's one: the benchmarks of a
// place run one after the other, so each place's database is made once.
TDM* Baza(benchmark::State& stare, TLoc loc)
{
    static std::unique_ptr<TBaza> baza;
    static TLoc locBaza = TLoc::Embedded;
    if (!baza || locBaza != loc) {
        baza.reset();
        try {
            baza = std::make_unique<TBaza>(loc);
        } catch (const EEroare& e) {
            stare.SkipWithError(e.Mesaj().toUtf8().constData());
            return nullptr;
        }
        locBaza = loc;
    }
    return &DM();
}

void Reincarca(benchmark::State& stare, TLoc loc)
{
    if (!Baza(stare, loc))
        return;
    TListaElevi lista;
    long long instructiuni = 0;
    for (auto _ : stare) {
        const long long inainte = InstructiuniRulate();
        lista.Reincarca();
        instructiuni = InstructiuniRulate() - inainte;
    }
    if (int(lista.Linii().size()) != NumarElevi)
        stare.SkipWithError("the list does not hold every pupil");
    stare.counters["instructiuni"] = double(instructiuni);
    stare.counters["linii"] = double(lista.Linii().size());
}

// The statements of the loading the list had before, one pupil and one field at a time:
// the ids, then for each of the five references of every pupil's line its profile lookup
// and its value lookup. Only the statements, so the old loading costs at least this much.
void ReincarcaCaInainte(benchmark::State& stare, TLoc loc)
{
    TDM* baza = Baza(stare, loc);
    if (!baza)
        return;
    TDM& dm = *baza;
    const char* const referinte[] = {"C_NUME", "C_PRENUME", "C_NUME", "C_PRENUME", "C_CNP"};
    auto ruleaza = [](TInterogare& q, const QString& sql, const char* camp, int id) {
        TInchideLaFinal inchide(q);
        q.SQL(sql);
        q.ParamByName("COD_FORMULAR", QStringLiteral("PV"));
        q.ParamByName("COD_PAGINA", QStringLiteral("FATA"));
        q.ParamByName("COD_CAMP", QString::fromLatin1(camp));
        if (id >= 0)
            q.ParamByName("ID", id);
        q.Open();
        if (!q.Eof())
            benchmark::DoNotOptimize(q.Fields(0).AsString());
    };
    long long instructiuni = 0;
    for (auto _ : stare) {
        const long long inainte = InstructiuniRulate();
        TGardaTranzactie tr(dm.Tr());
        TInterogare& q = dm.Q5();
        TInchideLaFinal inchide(q);
        q.SQL("select id_ELEVI as \"ID\" from ELEVI order by id_ELEVI");
        for (q.Open(); !q.Eof(); q.Next()) {
            const int id = q.Fields(0).AsInteger();
            for (const char* camp : referinte) {
                ruleaza(dm.Q1(),
                        "SELECT * FROM PROFIL_DIPLOMA WHERE (COD_FORMULAR=:COD_FORMULAR) AND (COD_PAGINA=:COD_PAGINA) "
                        "AND (COD_CAMP=:COD_CAMP)",
                        camp, -1);
                ruleaza(dm.Q2(),
                        "SELECT * FROM \"DATE\" WHERE (COD_FORMULAR=:COD_FORMULAR) AND (COD_PAGINA=:COD_PAGINA) AND "
                        "(COD_CAMP=:COD_CAMP) AND (ID_ELEVI=:ID)",
                        camp, id);
            }
        }
        instructiuni = InstructiuniRulate() - inainte;
    }
    stare.counters["instructiuni"] = double(instructiuni);
}


} // namespace

BENCHMARK_CAPTURE(Reincarca, embedded, TLoc::Embedded)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReincarcaCaInainte, embedded, TLoc::Embedded)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Reincarca, server, TLoc::Server)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReincarcaCaInainte, server, TLoc::Server)->Unit(benchmark::kMillisecond)->Iterations(1);
