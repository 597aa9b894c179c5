#pragma once

// The program's closed sets, each converted to and from its stored text or number in one
// place (base/multimi.cpp).

#include <QString>
#include <optional>

// Which option of the global settings decides how a mark is laid out; a mark area names it
// in its Denumire3 ("NOTA_DIPLOMA" ...).
enum TTipNota { TipNotaDiploma = 0, TipNotaCotor = 1, TipMedieDiploma = 2, TipMedieCotor = 3 };
std::optional<TTipNota> TipNotaDinText(const QString& denumire3);
