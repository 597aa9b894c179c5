#pragma once

#include <QString>
#include <optional>

// Margin corrections move a whole page of text; beyond this many millimetres either way the
// text of the card's outer areas leaves the sheet.
constexpr double MargineMaximaMm = 20.0;

// A finite number of millimetres within the range above.
bool MargineAcceptata(double mm);

// Why a margin was refused, in the user's words.
QString MotivMargineRefuzata();

// The text of an edit box read as a margin: nullopt when it is a number the card cannot
// take (nan, inf, out of range); a text that is not a number fails with the conversion error.
std::optional<double> CitesteMargine(const QString& text);
