#pragma once

#include <QString>

// A mark in hundredths (963 is 9,63) in Romanian words, in parentheses and in capitals:
// format 1 (NOUĂ, ŞAIZECIŞITREI), format 2 (NOUĂ, 63), format 3 (NOUĂ, 63%). A whole mark,
// and 10 whatever its hundredths, has the integer word alone: (ZECE). Integer parts outside
// 1 to 10 have no word. Any other format gives the empty text.
QString NotaInLitere(qint32 nota, int format);
