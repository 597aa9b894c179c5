#include "registre/coloaneexcel.h"

#include "base/eroare.h"
#include "registre/foaie.h"

#include <algorithm>

namespace {
// Kept rows times columns: far beyond any class register, short of exhausting memory.
constexpr qint64 TexteMaxime = 10'000'000;
} // namespace

const TColoanaExcel* TListaColoaneExcel::Coloana(const QString& litera) const
{
    for (const TColoanaExcel& c : m_coloane)
        if (c.Litera() == litera)
            return &c;
    return nullptr;
}

bool PareCNP(const QString& text)
{
    if (text.size() != 13)
        return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

void CitesteFoaia(const TFoaie& foaie, TListaColoaneExcel& coloane)
{
    coloane.Goleste();
    const TDomeniu domeniu = foaie.DomeniuFolosit();
    if (domeniu.Gol())
        return;
    const int ultimaColoana = std::min(domeniu.UltimaColoana, UltimaColoanaCitita);
    // Only a row holding a CNP is kept: found from the cells, not by walking the whole range.
    std::vector<int> pastrate;
    foaie.PentruFiecareCelula([&](int rand, int coloana, const QString& text) {
        if (coloana <= ultimaColoana && PareCNP(text))
            pastrate.push_back(rand);
    });
    std::sort(pastrate.begin(), pastrate.end());
    pastrate.erase(std::unique(pastrate.begin(), pastrate.end()), pastrate.end());
    if (qint64(pastrate.size()) * (ultimaColoana + 1) > TexteMaxime)
        throw EEroare(QStringLiteral("Foaia de calcul \"%1\" este prea mare pentru a fi preluata.").arg(foaie.Nume()));
    for (int c = 0; c <= ultimaColoana; ++c) {
        TColoanaExcel coloana(LitereColoana(c));
        for (const int rand : pastrate)
            coloana.Adauga(foaie.Text(rand, c));
        coloane.Adauga(std::move(coloana));
    }
    std::vector<int> randuriFoaie;
    for (const int rand : pastrate)
        randuriFoaie.push_back(rand + 1);
    coloane.PuneRanduriFoaie(std::move(randuriFoaie));
}
