#pragma once

#include <QString>
#include <QStringList>

// The outcome of one run of the program as a separate process.
struct TRezultatProces {
    int CodIesire = -1;
    QString Iesire;
    QString Erori;
};

// Runs the program (the build's executable unless another is given) with the data folder
// set to dosarDate, headless, and waits for it to end.
TRezultatProces RuleazaProgramul(const QStringList& argumente, const QString& dosarDate,
                                 const QString& program = QStringLiteral(PRAVENT_EXECUTABLE));
