#pragma once

#include <QString>

// Numbers as the user's system writes them: the locale in use (the system's unless the
// program set another default) gives the decimal separator; no digit grouping.

// The shortest text of the number, up to 15 significant digits.
QString TextZecimal(double valoare);

// Reads a number written that way; a text that is not one fails with the conversion error.
double CitesteZecimal(const QString& text);

// Reads a whole number in decimal; a text that is not one fails with the conversion error.
int CitesteIntreg(const QString& text);
