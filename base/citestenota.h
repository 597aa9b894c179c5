#pragma once

#include <QString>

// A stored mark text as fixed point in units of 1/10000 ("9,5" and "9.5" give 95000,
// "9,567" gives 95600); signs, blanks and letters are ignored.
qint64 CitesteNota(const QString& text);
