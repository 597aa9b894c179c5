#pragma once

#include "base/multimi.h"

#include <QtGlobal>
#include <optional>

struct TArieFormular;

// Writes a mark (hundredths, or none) into the pair of areas a page reserves for it: digits
// above, words below, or everything in the upper area, as the global options say for the
// kind of mark; the options are read at every call. The upper area is placed from its
// designed position, halfway towards the lower one when the lower one is not used, so that
// filling the same page again never drifts; the lower area is hidden when unused. Either
// area may be missing.
void ScrieNotaInFormular(TArieFormular* sus, TArieFormular* jos, std::optional<qint32> nota, int tipNota);
