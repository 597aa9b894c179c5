#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class TFoaie;

// One worksheet column: its letters and one text per kept row, in row order.
class TColoanaExcel {
public:
    explicit TColoanaExcel(QString litera) : m_litera(std::move(litera)) {}
    const QString& Litera() const { return m_litera; }
    const QStringList& Texte() const { return m_texte; }
    QString Text(int rand) const { return m_texte.value(rand); }
    void Adauga(const QString& text) { m_texte << text; }

private:
    QString m_litera;
    QStringList m_texte;
};

// The columns read from a sheet, "A" to the last one read; all of the same length, text i of
// every column from the same worksheet row.
class TListaColoaneExcel {
public:
    void Goleste()
    {
        m_coloane.clear();
        m_randuriFoaie.clear();
    }
    void Adauga(TColoanaExcel coloana) { m_coloane.push_back(std::move(coloana)); }
    const std::vector<TColoanaExcel>& Coloane() const { return m_coloane; }
    // The column with those letters, or nullptr.
    const TColoanaExcel* Coloana(const QString& litera) const;
    // The column the CNP is read from; when there is none, "UPS: nu pot identifica CNP-ul"
    // saying why (an empty sheet, a column past the sheet's last one).
    const TColoanaExcel& ColoanaCnp(const QString& litera) const;
    int NumarRanduri() const { return m_coloane.empty() ? 0 : int(m_coloane.front().Texte().size()); }
    // The worksheet row number (1 for the first row) of each kept row, so that messages
    // name the row the user sees.
    void PuneRanduriFoaie(std::vector<int> randuri) { m_randuriFoaie = std::move(randuri); }
    // Kept row `rand`'s worksheet row number; a list not read from a sheet counts from 1.
    int RandFoaie(int rand) const
    {
        return rand >= 0 && rand < int(m_randuriFoaie.size()) ? m_randuriFoaie[rand] : rand + 1;
    }

private:
    std::vector<TColoanaExcel> m_coloane;
    std::vector<int> m_randuriFoaie;
};

// Exactly 13 characters, every one a digit "0" to "9".
bool PareCNP(const QString& text);

// The last column CitesteFoaia reads ("ZZ").
constexpr int UltimaColoanaCitita = 26 * 27 - 1;
// The most rows CitesteFoaia gives the import: several schools' worth of pupils.
constexpr int RanduriCititeMaxime = 20'000;

// Reads the sheet's used range, "A" to its last used column (at most "ZZ"), into coloane and
// keeps only the rows in which some column's text satisfies PareCNP: header, title, empty
// and totals rows go. No row of the used range is left out for a gap before it or for lying
// far down; no column for an empty one to its left. A row repeated exactly (a spreadsheet's
// repeated row, a copy pasted over and over) is kept once, where it first appears; more than
// RanduriCititeMaxime different rows are refused.
void CitesteFoaia(const TFoaie& foaie, TListaColoaneExcel& coloane);
