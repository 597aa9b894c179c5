#pragma once

#include "base/multimi.h"

#include <QPixmap>

// The pictures of the printer calibration wizard, drawn when asked for.

QPixmap ImagineAntetCalibrare();

// How the printer takes the paper: from the top, from the front, or an internal tray (both
// tray modes look alike).
QPixmap ImagineModAlimentare(TModAlimentare mod);

// A sheet with its arrow pointing up (the paper in its normal position) or down.
QPixmap PictogramaHartie(bool pozitieNormala);

// How to put the printed sheet back.
QPixmap ImagineReintroducere(TModAlimentare modAlimentare);

// A sheet with the two test lines in one position.
QPixmap ImaginePozitieLinii(bool orizontalaJos, bool verticalaDreapta);

// The calibration sheet in landscape with its two crosses, and where to measure: from the
// sheet's left edge (X) and top edge (Y) to the centre of each cross.
QPixmap ImagineMasurare();
