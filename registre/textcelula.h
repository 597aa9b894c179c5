#pragma once

#include <QString>

class TFormatNumar;

// A cell's text as the rest of the program keeps it: trimmed of blanks and control
// characters, and with the comma-below letters turned into the cedilla letters that the
// certificate (and Windows-1250) know.
QString TextCuratat(const QString& text);

// The displayed text of a numeric cell under its format. An integer of exactly 13 digits is
// written whole whatever the format: a CNP typed as a number must not turn into "5,11071E+12".
QString TextNumeric(double valoare, const TFormatNumar& format, bool sistem1904);
