#pragma once

#include "base/eroare.h"

#include <QString>
#include <QVector>

// A failure the engine reported: its text and the codes of its status, outermost first.
struct TEroareMotor {
    QString Text;
    QVector<long> Coduri;

    bool Are(long cod) const { return Coduri.contains(cod); }
};

// The engine's failure put in a Romanian sentence naming the database: a wrong password, an
// unreachable server, a missing permission (by the engine's codes), a file another program
// holds, a missing or damaged file, a full disk (by its text); any other failure in a general
// sentence. The engine's own text follows as the detail, never alone.
QString MesajFirebird(const QString& caleFisier, const TEroareMotor& eroare);
QString MesajFirebird(const QString& caleFisier, const QString& mesajMotor);

// Whether the engine reports the connection to the server lost or cut.
bool LegaturaPierduta(const TEroareMotor& eroare);
// A commit whose connection was lost before its answer came: the server may have kept the
// changes or not, and the user must not take either for granted.
QString MesajSalvareIntrerupta(const QString& server, const TEroareMotor& eroare);

// A statement or a commit that met another user's change of the same rows: an update
// conflict, a deadlock, or a wait for a row another transaction holds that ran out. The unit
// of work may be run again once the other one has ended.
class EConflictConcurent : public EEroare {
public:
    EConflictConcurent();
};

// A call given up on because the server did not answer in time: the operation was cancelled,
// and the server rolls back its transaction. The connection is opened again for the next one.
class EServerTacut : public EEroareTrecatoare {
public:
    explicit EServerTacut(const QString& server);
};

// Whether the engine reports such a conflict.
bool EsteConflictConcurent(const TEroareMotor& eroare);

// The error of a failed statement or commit: a conflict with another user as
// EConflictConcurent, anything else as MesajFirebird words it.
[[noreturn]] void RidicaEroareaMotorului(const QString& caleFisier, const TEroareMotor& eroare);
