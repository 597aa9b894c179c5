#pragma once

#include <QString>

class TFormatNumar;

// What a spreadsheet cell holds: a cell's text is cut to it.
constexpr qsizetype CaractereCelula = 32'767;

// A cell's text as the rest of the program keeps it: trimmed of blanks and control
// characters, cut to CaractereCelula, and with the comma-below letters turned into the
// cedilla letters that the certificate (and Windows-1250) know. A text already clean comes
// back as the same shared string, so that a thousand cells of one text hold it once.
QString TextCuratat(const QString& text);

// Appends to a text being gathered for one cell no more than TextCuratat could keep of it,
// however much the file repeats.
void AdaugaLaCelula(QString& text, QStringView parte);

// The displayed text of a numeric cell under its format. An integer of exactly 13 digits is
// written whole whatever the format: a CNP typed as a number must not turn into "5,11071E+12".
QString TextNumeric(double valoare, const TFormatNumar& format, bool sistem1904);
