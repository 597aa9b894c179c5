#pragma once

#include "base/multimi.h"
#include "certificat/corectieimprimanta.h"

#include <QPointF>
#include <QSizeF>

class TImprimanta;
struct TAsezarePeHartie;

// The sheet that measures a printer: plain A4 paper in landscape, as the certificate, with
// two fine crosses far apart, near the top-left and the bottom-right corners of the card.
const QSizeF HartieCalibrare(297.0, 210.0);
const QPointF CruceA(20.0, 20.0);
const QPointF CruceB(277.0, 190.0);

// Draws the sheet of a side with the paper target's correction and mirror: measured with no
// correction, it shows where the printer puts a page; printed with the side's correction (a
// verification), its crosses land on the distances written beside them.
void DeseneazaFoaiaDeCalibrare(TImprimanta& imprimanta, TPaginaCertificat pagina, bool verificare,
                               const TAsezarePeHartie& asezare);

// The printer as the readings of an uncorrected sheet show it; bad readings are refused.
TMasuratoareImprimanta MasuratoareaFoii(const TCitiriCalibrare& citiri, double deplasareMaximaMm);
