#include "db/parametritranzactie.h"

#include <atomic>
#include <cstdarg>
#include <cstdint>
#include <dlfcn.h>

// Qt's Firebird driver starts every transaction, its own per-statement ones included, with
// the engine's defaults: a snapshot that waits forever for a row another user holds, and it
// has no option to change them. Its calls to isc_start_transaction reach this definition
// first, as the executable's exported symbols come before those of the client library the
// driver loads; a call with no parameters of its own is started read committed (a reload
// sees what the others committed; reading never waits for a writer) with a bounded wait.
// The types are those of the client library's public interface on 64-bit Linux.

namespace {

using TStatus = std::intptr_t;
using TManer = unsigned int;

struct TBlocTranzactie {
    TManer* Baza;
    int LungimeParametri;
    const char* Parametri;
};

using TStartMultiplu = TStatus (*)(TStatus*, TManer*, short, TBlocTranzactie*);

constexpr char ParametriProgram[] = {
    3,      // isc_tpb_version3
    9,      // isc_tpb_write
    15,     // isc_tpb_read_committed
    17,     // isc_tpb_rec_version: the last committed version, without waiting for a writer
    6,      // isc_tpb_wait
    21, 4,  // isc_tpb_lock_timeout, four bytes, least significant first
    SecundeAsteptareBlocare, 0, 0, 0,
};

std::atomic<bool> g_aplicati{false};

TStartMultiplu StartMultiplu()
{
    static const TStartMultiplu functie = [] {
        void* biblioteca = dlopen("libfbclient.so.2", RTLD_NOW | RTLD_NOLOAD);
        return biblioteca ? reinterpret_cast<TStartMultiplu>(dlsym(biblioteca, "isc_start_multiple")) : nullptr;
    }();
    return functie;
}

} // namespace

bool ParametriiTranzactieiAplicati()
{
    return g_aplicati.load();
}

extern "C" TStatus isc_start_transaction(TStatus* stare, TManer* tranzactie, short numar, ...)
{
    constexpr short MaximBaze = 16;
    TBlocTranzactie blocuri[MaximBaze];
    if (numar < 1 || numar > MaximBaze)
        numar = 0;
    va_list argumente;
    va_start(argumente, numar);
    for (short i = 0; i < numar; ++i) {
        blocuri[i].Baza = va_arg(argumente, TManer*);
        blocuri[i].LungimeParametri = va_arg(argumente, int);
        blocuri[i].Parametri = va_arg(argumente, const char*);
        if (blocuri[i].LungimeParametri == 0) {
            blocuri[i].LungimeParametri = int(sizeof ParametriProgram);
            blocuri[i].Parametri = ParametriProgram;
        }
    }
    va_end(argumente);
    const TStartMultiplu start = StartMultiplu();
    if (!start) {
        // isc_arg_gds, isc_unavailable, isc_arg_end
        stare[0] = 1;
        stare[1] = 335544375;
        stare[2] = 0;
        return stare[1];
    }
    const TStatus rezultat = start(stare, tranzactie, numar, blocuri);
    if (rezultat == 0)
        g_aplicati = true;
    return rezultat;
}
