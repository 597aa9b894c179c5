#pragma once

#include "base/multimi.h"

class TFormularDePrintat;

// Prints one side of the certificate as a print job of its own:
// refused until the printer is calibrated, then the user is shown how to insert the sheet
// and may correct the side's margins and mirror choice. Failures are shown to the user;
// the print settings are written back however the job ends. A proof puts the blank card's
// scan under the text, for plain paper.
void TiparesteDiploma(TFormularDePrintat& pagina, TPaginaCertificat parte, bool proba = false);
