#pragma once

#include <QString>

// An amount given in ten-thousandths, written in the 1.234.567,89 style with the given number
// of decimals. The decimals are cut, never rounded; more than four give four.
QString FormateazaSuma(int zecimale, qint64 zecimiiDeMii);

// The digits "0" to "9" of a text, in their order; every other character is dropped.
QString DoarCifre(const QString& text);
