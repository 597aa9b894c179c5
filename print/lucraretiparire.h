#pragma once

#include "base/multimi.h"
#include "certificat/corectieimprimanta.h"

#include <functional>

// A side of the certificate as a job prints it: its margin corrections in millimetres and
// whether it is turned.
struct TPaginaDeTiparit {
    TPaginaCertificat Parte = TPaginaCertificat::Fata;
    double Stanga = 0;
    double Sus = 0;
    bool Oglinda = false;
    // A proof on plain paper: the blank card's scan under the text.
    bool Proba = false;
    // The printer's measured scale of the side, 1 when never measured.
    double ScaraX = 1;
    double ScaraY = 1;

    TCorectiePagina Corectie() const { return {Stanga, Sus, ScaraX, ScaraY}; }
};

// Whether the printer was calibrated; when not, the user is told so. Asked before anything
// else a print needs from her, such as the cards' numbers.
bool ImprimantaPregatita();

// The frame of a print job of one side: refused until the printer is calibrated, then the
// insert-paper prompt, once (saying how many cards to put in when `diplome` is above 0),
// then `tipareste` with the corrections the user confirmed; it begins its own document.
// The print settings are held for the whole job and written back once, however it ends.
void RuleazaLucrareaDeTiparire(TPaginaCertificat parte, int diplome,
                               const std::function<void(const TPaginaDeTiparit&)>& tipareste);
