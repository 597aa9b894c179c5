#pragma once

#include "db/registrucertificate.h"

#include <QString>
#include <vector>

class TDocumentTiparit;

// The register's columns as every export writes them; the receiver follows them.
QStringList CapTabelRegistru();
QStringList RandRegistru(const TIntrareRegistru& intrare);

// The register as a Romanian spreadsheet opens it: UTF-8 with a byte-order mark, ";" between
// values, quotes where a value needs them.
QByteArray RegistruCsv(const std::vector<TIntrareRegistru>& intrari);

// The register on A4 pages through the certificate's renderer: the school's name and the page
// number at the top, one line per entry, an empty column for the receiver's signature.
void TiparesteRegistrul(TDocumentTiparit& document, const std::vector<TIntrareRegistru>& intrari,
                        const QString& scoala);

// The school named on the register: the one of the latest entry's pupil, while stored.
QString ScoalaRegistrului(const std::vector<TIntrareRegistru>& intrari);

// Writes the register into the file, as .csv, .xlsx or .pdf by its extension; the file is
// written whole or not at all.
void ExportaRegistrul(const QString& fisier, const std::vector<TIntrareRegistru>& intrari);
