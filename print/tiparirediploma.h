#pragma once

#include "base/multimi.h"

#include <functional>

class TFormularDePrintat;

// Prints one side of the certificate as a print job of its own:
// refused until the printer is calibrated, then the user is shown how to insert the sheet
// and may correct the side's margins and mirror choice. Failures are shown to the user;
// the print settings are written back however the job ends. A proof puts the blank card's
// scan under the text, for plain paper. `inainte` runs once the document is begun, just
// before the page prints: what it writes on the page prints with it, and its failure stops
// the job before the page. True when the page went out.
bool TiparesteDiploma(TFormularDePrintat& pagina, TPaginaCertificat parte, bool proba = false,
                      const std::function<void()>& inainte = {});
