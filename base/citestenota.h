#pragma once

#include <QString>

// A stored mark text as fixed point in units of 1/10000 ("9,5" and "9.5" give 95000,
// "9,567" gives 95600); signs, blanks and letters are ignored. An integer part too long to
// hold gives the largest value.
qint64 CitesteNota(const QString& text);

// How a stored mark text reads when it must be a mark: nothing stored, a mark from 5,00 to
// 10,00 (Valoare in 1/10000, as CitesteNota gives it), or a text that is not such a mark.
struct TNotaStocata {
    enum TStare { Goala, Nota, NuEsteNota };
    TStare Stare = Goala;
    qint64 Valoare = 0;
};
TNotaStocata CitesteNotaStocata(const QString& text);
