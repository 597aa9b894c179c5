#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// The outcome of one run of the program as a separate process.
struct TRezultatProces {
    int CodIesire = -1;
    QString Iesire;
    QString Erori;
};

class QProcess;

// The environment of the program under test: its data folder and the settings store
// TMediuTest keeps in the same folder, headless.
QProcessEnvironment MediuProgram(const QString& dosarDate);

// Starts the program in the given process object, with the environment RuleazaProgramul
// gives it, and returns without waiting (for tests that signal or kill it while it runs).
void PornesteProgramul(QProcess& proces, const QStringList& argumente, const QString& dosarDate);

// Runs the program (the build's executable unless another is given) with the data folder
// set to dosarDate and the settings store kept in it (as TMediuTest keeps it), headless,
// and waits for it to end.
TRezultatProces RuleazaProgramul(const QStringList& argumente, const QString& dosarDate,
                                 const QString& program = QStringLiteral(PRAVENT_EXECUTABLE));

// Runs any program with exactly the given environment (in dosarLucru when given) and waits
// for it to end, at most the given time.
TRezultatProces RuleazaProces(const QString& program, const QStringList& argumente, const QProcessEnvironment& mediu,
                              const QString& dosarLucru = QString(), int milisecunde = 120000);
