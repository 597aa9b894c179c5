#pragma once

#include "db/depozit.h"

#include <QStringList>

class QTextStream;

// What is wrong with a pupil's data for the certificate, each finding in plain words: a
// missing name, a personal numeric code that cannot be right, a stored mark that is not a
// mark from 5 to 10, an empty school field the card shows. Only reads the database.
QStringList VerificaElev(int idElev);

// A pupil of a list with what the check found.
struct TElevVerificat {
    TLinieAfisata Linie;
    QStringList Constatari;
};

// Checks the pupils of a list, in its order, inside one read-only transaction.
std::vector<TElevVerificat> VerificaElevii(const TLiniiAfisate& linii);

// Checks every pupil in list order and writes one line per finding; returns how many.
int ScrieConstatarileElevilor(QTextStream& iesire);
