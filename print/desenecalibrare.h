#pragma once

#include <QPixmap>

// The pictures of the printer calibration wizard, drawn when asked for.

QPixmap ImagineAntetCalibrare();

// How the printer takes the paper: 1 from the top, 2 from the front, 3 an internal tray.
QPixmap ImagineModAlimentare(int mod);

// A sheet with its arrow pointing up (the paper in its normal position) or down.
QPixmap PictogramaHartie(bool pozitieNormala);

// How to put the printed sheet back, for a paper handling mode 1 to 4.
QPixmap ImagineReintroducere(int modAlimentare);

// A sheet with the two test lines in one position.
QPixmap ImaginePozitieLinii(bool orizontalaJos, bool verticalaDreapta);
