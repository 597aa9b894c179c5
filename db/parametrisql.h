#pragma once

#include <QString>
#include <QStringList>

// A statement with named parameters (":NUME", names of letters, digits, "_" and "$", a name
// may repeat) turned into one with positional "?" markers, and the name of each marker in
// order. Text in quotes is left alone.
struct TSqlPozitional {
    QString Text;
    QStringList Nume;
};

TSqlPozitional ParametriPozitionali(const QString& sql);
