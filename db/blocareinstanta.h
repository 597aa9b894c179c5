#pragma once

#include <QLockFile>
#include <QString>

#include "base/eroare.h"

// A failure after which the start must not go on at all (not even to an empty main window):
// another instance holds the data, or the database belongs to a newer program.
class EOprestePornirea : public EEroare {
public:
    using EEroare::EEroare;
};

// Neither a database nor a template to make one from: the start stops with a warning and
// exit code 1.
class ESablonLipsa : public EOprestePornirea {
public:
    using EOprestePornirea::EOprestePornirea;
    int CodIesire() const override { return 1; }
};

// Held for the whole run: a second instance over the same data folder would share the open
// database with the first. A lock left by a process that died is taken over.
class TBlocareInstanta {
public:
    // Raises EOprestePornirea "Programul este deja pornit." when another instance holds it.
    TBlocareInstanta();
    TBlocareInstanta(const TBlocareInstanta&) = delete;
    TBlocareInstanta& operator=(const TBlocareInstanta&) = delete;

    static QString Cale();

private:
    QLockFile m_blocare;
};
