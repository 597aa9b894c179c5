#pragma once

#include <QString>

// The size ratio of the grid, num:den, kept in "LargeFonts.txt" in the data folder so that
// a user with large fonts can widen every grid at once.
struct TRaportMarime {
    int Numarator = 1;
    int Numitor = 1;
};

// Reads the ratio from a file, creating it with "1:1" when it is missing. A part that is
// not a number counts as 8; when the file cannot be created the message font decides.
TRaportMarime CitesteRaportMarime(const QString& cale);
// Ratio of a text's first line ("5 : 4"); a part that is not a positive number counts as 8.
TRaportMarime RaportDinText(const QString& text);
// Size s × num div den × dpi div 96, in integers from the left, kept within a sane range.
int ScaleazaMarime(int marime, const TRaportMarime& raport, int puncteDePeInch);

// The ratio of this run (read from the data folder once) at the screen's resolution.
int ScaleazaMarime(int marime);
