#pragma once

#include "db/valoarecamp.h"

#include <QString>
#include <functional>
#include <vector>

class TListaColoaneExcel;

// Where the value of one pupil field comes from, in the order the wizard lists the modes.
enum class TModSursa {
    Coloana = 0,    // the text of a column
    Constanta = 1,  // one text for every row
    DinCnp = 2,     // the girls' or the boys' text, by the first digit of the CNP
    PrimaParte = 3, // the part of a column's text before its first blank
    ADouaParte = 4, // the part after it
};

// One importable pupil field, as the field pages list it (profile order).
struct TCampImportabil {
    QString IdCamp;         // "PV.FATA.C_NUME"
    QString CodFormular;    // "PV"
    QString EtichetaCurata; // the editor caption without its bracketed parts
};

// The fields the import offers: the pupils' own fields that copy no other, without the CNP.
// A read transaction of its own.
std::vector<TCampImportabil> CampuriImportabile();

// The characters of the caption outside every "[...]" and "{...}"; the brackets nest.
QString EtichetaCurata(const QString& eticheta);

// What one field frame (or one --field option) says about its field.
struct TSursaCamp {
    QString IdCamp;
    bool NuImport = false; // "NU import date pentru aceasta coloana"
    TModSursa Mod = TModSursa::Coloana;
    QString Coloana; // letters, for Coloana, PrimaParte and ADouaParte
    QString Constanta;
    QString TextFete;
    QString TextBaieti;
};

// Where a source takes its value from, in the user's words: "coloana D", "constanta \"x\"",
// "nu se preia" ...
QString DescriereSursa(const TSursaCamp& sursa);

// The value a source gives for row `rand` of the sheet whose CNP text is `cnp`; a column
// that is not among `coloane` gives the empty text.
QString ValoareSursa(const TSursaCamp& sursa, const TListaColoaneExcel& coloane, int rand, const QString& cnp);

struct TRezultatImport {
    int Creati = 0;
    int Actualizati = 0;
    bool Oprit = false; // the progress callback asked to stop; the rows before stay
};

// Called before each row with the row's index (0-based) and the number of rows; false stops
// the import before that row.
using TProgresImport = std::function<bool(int rand, int total)>;

// Writes every kept row of `coloane` into the database, one transaction a row: the pupil whose
// CNP is the row's text in column `coloanaCnp` is updated, or a new pupil is created. A failing
// row rolls back that row only and raises an error naming the row and how many were imported
// before it.
// Also an error, before anything is written: no CNP field in the profile, no column
// `coloanaCnp`, no kept row, a stop asked before the first row. A row without a CNP text, or
// with a text longer than the value column holds, fails before any of its statements runs.
TRezultatImport Importa(const TListaColoaneExcel& coloane, const QString& coloanaCnp,
                        const std::vector<TSursaCamp>& surse, const TProgresImport& progres = {});
