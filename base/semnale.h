#pragma once

#include "base/eroare.h"

// SIGTERM (a desktop logout, a service stop) and SIGINT end the program as closing it does:
// the transaction rolled back, the database closed. The embedded database engine installs
// handlers of its own that ignore both, so ours go in after it has been attached.

// Raised at the next database statement once a signal came while a command-line mode runs.
class EOprire : public EEroare {
public:
    EOprire() : EEroare(QStringLiteral("Programul a fost oprit.")) {}
};

// Installs (again) the handlers for SIGTERM and SIGINT. With an application object, a signal
// also ends its event loops with the exit code below.
void InstaleazaOprireaLaSemnal();

// Whether a signal asked the program to end, and the exit code it calls for, as a shell gives
// for a program the signal ended: 143 for SIGTERM, 130 for SIGINT (Ctrl+C). The work asked
// for was not finished, so never 0.
bool OprireCeruta();
int CodIesireLaOprire();

// Raises EOprire when a signal asked the program to end; the database layer calls it
// before each statement, so that long work stops at a point where unwinding is safe.
void VerificaOprirea();
