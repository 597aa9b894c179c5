#pragma once

#include <QString>

// The folder that holds the program's files (the database folder "DB", the template,
// the overrides file): PRAVENT_HOME when set, else the executable's folder when it is
// writable, else the per-user application data folder. Returned without a trailing slash.
QString DosarDate();

// A path inside the data folder.
QString CaleInDosarDate(const QString& nume);

// Where the template database "BLANK.FDB" is found: the data folder, then beside the
// executable, then the installed share folder. When it is in none of them, the path in the
// data folder is returned (and does not exist).
QString CaleSablonBazaDeDate();
