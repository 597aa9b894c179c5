#pragma once

#include "base/eroare.h"

#include <QString>

// The engine's message for a database file that cannot be opened or written, put in a
// Romanian sentence naming the file when the cause is a common one (another program holds
// it, it is missing, no permission, it is damaged, the disk is full); the engine's own text
// follows as the detail. Other messages come back as they are.
QString MesajFirebird(const QString& caleFisier, const QString& mesajMotor);

// A statement or a commit that met another user's change of the same rows: an update
// conflict, a deadlock, or a wait for a row another transaction holds that ran out. The unit
// of work may be run again once the other one has ended.
class EConflictConcurent : public EEroare {
public:
    EConflictConcurent();
};

// Whether the engine's text reports such a conflict.
bool EsteConflictConcurent(const QString& mesajMotor);

// The error of a failed statement or commit: a conflict with another user as
// EConflictConcurent in Romanian words, anything else with the engine's text.
[[noreturn]] void RidicaEroareaMotorului(const QString& mesajMotor);
