#pragma once

#include <QString>

// Values that are stored and printed on one line: no control characters, a bounded
// number of characters, and never half a character.

// Whether a character breaks or disturbs a single line: control characters (line breaks,
// tabs) and the Unicode line and paragraph separators.
bool EsteCaracterDeControl(QChar c);

// Every control character becomes a blank.
QString FaraCaractereDeControl(QString text);

// How many characters the database counts in the text (code points, not UTF-16 units).
int NumarCaractere(const QString& text);

// The longest beginning of the text with at most `maxim` characters that ends on a
// character boundary: an emoji or a letter with its accent is kept whole or left out.
QString TaieLaCaractere(const QString& text, int maxim);

// The text on one line for machine-readable output: a backslash and every control
// character are written as escapes ("\\", "\n", "\t", "\r", "\u2028", ...).
QString EscapeazaPeUnRand(const QString& text);
