#pragma once

#include <QPixmap>

// The pictures of the insert-paper prompt, drawn when asked for.

// The certificate sheet as it goes into the printer: 1 the front with the counterfoil
// towards the top, 2 the back the same way, 3 and 4 the same turned by 180 degrees.
QPixmap ImagineCoala(int numar);

// The red arrow of the top-left corner.
QPixmap SageataRosie(bool inJos);
