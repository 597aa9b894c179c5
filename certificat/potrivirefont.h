#pragma once

#include "certificat/suprafatatext.h"

struct TTextPotrivit {
    int InaltimeCelula = 0;
    QSize Marime;
};

// Creates the font at the requested cell height and lowers it one pixel at a time until the
// text fits the width; below 2 pixels the last font stays, and the text is clipped.
TTextPotrivit PotrivesteTextul(TSuprafataText& suprafata, TCerereFont cerere, const QString& text, int latime);
