#include "registre/coloaneexcel.h"

#include "base/eroare.h"
#include "registre/foaie.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace {

// Kept rows times columns: far beyond any class register, short of exhausting memory.
constexpr qint64 TexteMaxime = 2'000'000;

struct TCelula {
    int Rand;
    int Coloana;
    QString Text;
};

bool AceleasiCelule(const TCelula* a, const TCelula* b, size_t numar)
{
    return std::equal(a, a + numar, b, [](const TCelula& x, const TCelula& y) {
        return x.Coloana == y.Coloana && x.Text == y.Text;
    });
}

// The rows holding a CNP in columns "A" to ultimaColoana, in order, each distinct row once.
// Found from the cells, not by walking the whole range.
std::vector<int> RanduriCuCnpDiferite(const TFoaie& foaie, int ultimaColoana)
{
    QSet<int> cuCnp;
    foaie.PentruFiecareCelula([&](int rand, int coloana, const QString& text) {
        if (coloana <= ultimaColoana && PareCNP(text))
            cuCnp.insert(rand);
    });
    std::vector<TCelula> celule;
    foaie.PentruFiecareCelula([&](int rand, int coloana, const QString& text) {
        if (coloana <= ultimaColoana && cuCnp.contains(rand))
            celule.push_back({rand, coloana, text});
    });
    std::sort(celule.begin(), celule.end(), [](const TCelula& a, const TCelula& b) {
        return a.Rand != b.Rand ? a.Rand < b.Rand : a.Coloana < b.Coloana;
    });
    std::vector<int> randuri;
    // The rows already kept, by a digest of their cells; equal digests are compared in full.
    QMultiHash<size_t, std::pair<size_t, size_t>> pastrate;
    for (size_t inceput = 0; inceput < celule.size();) {
        size_t sfarsit = inceput;
        size_t amprenta = 0;
        while (sfarsit < celule.size() && celule[sfarsit].Rand == celule[inceput].Rand) {
            amprenta = qHashMulti(amprenta, celule[sfarsit].Coloana, celule[sfarsit].Text);
            ++sfarsit;
        }
        const size_t numar = sfarsit - inceput;
        bool repetat = false;
        for (auto it = pastrate.constFind(amprenta); !repetat && it != pastrate.cend() && it.key() == amprenta; ++it)
            repetat = it->second == numar && AceleasiCelule(&celule[it->first], &celule[inceput], numar);
        if (!repetat) {
            pastrate.insert(amprenta, {inceput, numar});
            randuri.push_back(celule[inceput].Rand);
        }
        inceput = sfarsit;
    }
    return randuri;
}

} // namespace

const TColoanaExcel* TListaColoaneExcel::Coloana(const QString& litera) const
{
    for (const TColoanaExcel& c : m_coloane)
        if (c.Litera() == litera)
            return &c;
    return nullptr;
}

const TColoanaExcel& TListaColoaneExcel::ColoanaCnp(const QString& litera) const
{
    if (const TColoanaExcel* coloana = Coloana(litera))
        return *coloana;
    if (m_coloane.empty())
        throw EEroare(QStringLiteral("UPS: nu pot identifica CNP-ul: foaia de calcul este goala."));
    throw EEroare(QStringLiteral("UPS: nu pot identifica CNP-ul: coloana %1 este dupa ultima coloana cu date a foii "
                                 "de calcul (%2).")
                      .arg(litera, m_coloane.back().Litera()));
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
    const std::vector<int> pastrate = RanduriCuCnpDiferite(foaie, ultimaColoana);
    if (pastrate.size() > size_t(RanduriCititeMaxime))
        throw EEroare(QStringLiteral("Foaia de calcul \"%1\" are %2 randuri cu CNP diferite; se pot prelua cel mult %3 "
                                     "dintr-o foaie. Impartiti-o in mai multe foi.")
                          .arg(foaie.Nume())
                          .arg(pastrate.size())
                          .arg(RanduriCititeMaxime));
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
