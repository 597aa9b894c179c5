#pragma once

#include <QString>

// The folder that holds the program's files (the database folder "DB", the template,
// the overrides file): PRAVENT_HOME when set, else the executable's folder when it is
// writable and not an installed copy, else the per-user application data folder.
// Returned without a trailing slash.
QString DosarDate();

// A path inside the data folder.
QString CaleInDosarDate(const QString& nume);

// Where the template database "BLANK.FDB" is found: the data folder, then beside the
// executable, then the installed share folder. When it is in none of them, the path in the
// data folder is returned (and does not exist).
QString CaleSablonBazaDeDate();

// The same rules for an executable in the given folder.
QString DosarDatePentru(const QString& dosarExecutabil);
QString CaleSablonBazaDeDatePentru(const QString& dosarExecutabil);

// The installation's read-only files (share/pravent), found relative to the executable so
// that an installed tree works wherever it sits.
QString DosarPartajatPentru(const QString& dosarExecutabil);

// An executable with the installation's share folder beside it is an installed copy: its
// own folder is a system folder even when writable (run as root, or an unpacked package),
// so it never holds data.
bool EsteCopieInstalata(const QString& dosarExecutabil);
