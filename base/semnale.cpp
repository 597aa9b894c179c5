#include "base/semnale.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <atomic>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

std::atomic<int> g_semnal{0};

#ifdef Q_OS_UNIX
int g_tub[2] = {-1, -1};

// Only async-signal-safe work here: note the signal and wake the event loop through the pipe.
void LaSemnal(int semnal)
{
    g_semnal.store(semnal);
    const char octet = 1;
    [[maybe_unused]] const ssize_t scris = ::write(g_tub[1], &octet, 1);
}

void DeschideTubul()
{
    if (g_tub[0] >= 0 || ::pipe(g_tub) != 0)
        return;
    for (const int capat : g_tub) {
        ::fcntl(capat, F_SETFL, ::fcntl(capat, F_GETFL) | O_NONBLOCK);
        ::fcntl(capat, F_SETFD, FD_CLOEXEC);
    }
}

void AscultaInBuclaDeEvenimente()
{
    static QSocketNotifier* ascultator = nullptr;
    if (ascultator || !QCoreApplication::instance())
        return;
    ascultator = new QSocketNotifier(g_tub[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(ascultator, &QSocketNotifier::activated, [] {
        char octet = 0;
        while (::read(g_tub[0], &octet, 1) > 0) {
        }
        QCoreApplication::exit(CodIesireLaOprire());
    });
}
#endif

} // namespace

void InstaleazaOprireaLaSemnal()
{
#ifdef Q_OS_UNIX
    DeschideTubul();
    struct sigaction actiune {};
    actiune.sa_handler = LaSemnal;
    sigemptyset(&actiune.sa_mask);
    actiune.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &actiune, nullptr);
    sigaction(SIGINT, &actiune, nullptr);
    AscultaInBuclaDeEvenimente();
#endif
}

bool OprireCeruta()
{
    return g_semnal.load() != 0;
}

int CodIesireLaOprire()
{
#ifdef Q_OS_UNIX
    const int semnal = g_semnal.load();
    return semnal != 0 ? 128 + semnal : 0;
#else
    return 0;
#endif
}

void VerificaOprirea()
{
    if (OprireCeruta())
        throw EOprire();
}
