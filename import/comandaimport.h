#pragma once

#include "import/importexcel.h"

#include <QString>
#include <QStringList>
#include <vector>

class QTextStream;

// An import as the command line gives it.
struct TComandaImport {
    QString Fisier;
    QString Foaie;         // empty: the first sheet
    QString ColoanaCnp;    // letters
    QStringList Formulare; // the form codes to import; empty: every form
    QStringList Campuri;   // "ID=MOD", one per --field
};

// "coloana:B", "constanta:TEXT", "cnp:TEXT_FETE/TEXT_BAIETI", "prima:B" or "adoua:B" as the
// source of field idCamp; anything else is an error.
TSursaCamp SursaDinText(const QString& idCamp, const QString& mod);
// The mode text SursaDinText reads back as this source.
QString TextSursa(const TSursaCamp& sursa);

// One source for every importable field, in their order: the fields named in comanda with
// their modes, every other field (and every field of a form left out) not imported. An
// unknown field or form, a field named twice or a bad mode is an error.
std::vector<TSursaCamp> SurseDinComanda(const TComandaImport& comanda, const std::vector<TCampImportabil>& importabile);

// Checks what needs no database and reads the sheet before the data module is opened, then
// imports and prints the numbers of new and updated pupils, one a line. A signal to end the
// program stops it between rows: false then, and the rows kept are said on standard error.
bool RuleazaImportul(const TComandaImport& comanda, QTextStream& iesire);
