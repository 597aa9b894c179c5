#pragma once

#include <QString>

// The four parts of a file version text: major, minor, release and build.
struct TVersiune {
    QString Major, Minor, Release, Build;
    QString Text() const { return Major + "." + Minor + "." + Release + "." + Build; }
};

// Splits a file version text at its first three "." (or "," when it has no ".").
// A missing later separator leaves the parts before the build empty and makes the rest
// the build; a text with neither separator gives "<info not available>" four times.
TVersiune ParseazaVersiune(const QString& versiuneFisier);

// The running program's version, as compiled in by the build.
QString VersiuneProgram();

// The application title, "Pravent 2006".
QString NumeProgram();
// The title and the version, as "--version" prints them: "Pravent 2006 2006.9.2.188".
QString NumeSiVersiuneProgram();
