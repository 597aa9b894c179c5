#pragma once

#include "import/importexcel.h"

#include <QString>
#include <optional>
#include <vector>

class TFoaie;
class TListaColoaneExcel;

// The layout of a class workbook chosen in the import wizard (the CNP column and where each
// field comes from), remembered by the sheet's header row: the next workbook with the same
// header is offered the same choices.
struct TAsezareImport {
    QString ColoanaCnp;
    std::vector<TSursaCamp> Surse; // the imported fields only
};

// The texts of the nearest row with text above the first row that holds a CNP, joined by
// tabs; empty when there is none (the CNPs start on the first row).
QString CapDeTabel(const TFoaie& foaie, const TListaColoaneExcel& coloane);

// Kept in the settings; a header already known gets the new layout.
void RetineAsezarea(const QString& capDeTabel, const TAsezareImport& asezare);
// The layout remembered for the header; none when there is none or when what the settings
// hold cannot be read back whole.
std::optional<TAsezareImport> AsezareRetinuta(const QString& capDeTabel);
