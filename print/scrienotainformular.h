#pragma once

#include <QtGlobal>
#include <optional>

class TFormularTextArea;

// Which option of the global settings decides how a mark is laid out.
enum TTipNota { TipNotaDiploma = 0, TipNotaCotor = 1, TipMedieDiploma = 2, TipMedieCotor = 3 };

// Writes a mark (hundredths, or none) into the pair of areas a page reserves for it: digits
// above, words below, or everything in the upper area, as the global options say for the
// kind of mark; the options are read at every call. The upper area is placed from its
// designed position, halfway towards the lower one when the lower one is not used, so that
// filling the same page again never drifts. Either area may be missing.
void ScrieNotaInFormular(TFormularTextArea* sus, TFormularTextArea* jos, std::optional<qint32> nota,
                         int tipNota);
