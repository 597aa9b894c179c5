#pragma once

#include <QString>

// The embedded Firebird engine keeps its lock files in one folder, by default /tmp/firebird,
// which the first user to run it owns (mode 0770): any other user of the machine then fails
// with "operating system directive access failed". Unless FIREBIRD_LOCK is set already, it
// is pointed at a folder of the current user ($XDG_RUNTIME_DIR/firebird, else a per-user
// folder in the temporary folder). Must run before the first connection of the process.
void AlegeDosarulDeBlocareFirebird();

// The folder chosen when FIREBIRD_LOCK is not set.
QString DosarBlocareFirebirdImplicit();
