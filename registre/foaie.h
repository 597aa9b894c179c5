#pragma once

#include <QHash>
#include <QString>
#include <functional>

// Where the cells with text lie: the smallest rectangle holding them (0-based, inclusive);
// empty when the sheet has no text at all.
struct TDomeniu {
    int PrimulRand = 0;
    int UltimulRand = -1;
    int PrimaColoana = 0;
    int UltimaColoana = -1;
    bool Gol() const { return UltimulRand < 0; }
};

// One worksheet as read: the displayed text of every cell that shows something.
class TFoaie {
public:
    // A sheet may hold at most this many cells with text and rows and columns up to the
    // largest workbook size; a file that claims more is refused, not followed.
    static constexpr int CeluleMaxime = 1'000'000;
    static constexpr int RanduriMaxime = 1'048'576;
    static constexpr int ColoaneMaxime = 16'384;
    // All its cells' texts together, counted once per cell even where cells share one text:
    // far beyond any class register, and what a reader of the sheet can hold at once.
    static constexpr qint64 CaractereMaxime = 16'000'000;

    explicit TFoaie(QString nume = {});

    const QString& Nume() const { return m_nume; }
    // text is stored cleaned (see TextCuratat); an empty text stores nothing.
    void Pune(int rand, int coloana, const QString& text);
    QString Text(int rand, int coloana) const;
    // An address such as "A1" or "AB17"; a malformed one gives the empty text.
    QString Text(const QString& adresa) const;
    TDomeniu DomeniuFolosit() const { return m_domeniu; }
    // Every cell with text, in no particular order.
    void PentruFiecareCelula(const std::function<void(int rand, int coloana, const QString& text)>& f) const;
    int NumarCelule() const { return int(m_celule.size()); }

private:
    static quint64 Cheie(int rand, int coloana) { return (quint64(quint32(rand)) << 32) | quint32(coloana); }

    QString m_nume;
    QHash<quint64, QString> m_celule;
    qint64 m_caractere = 0;
    TDomeniu m_domeniu;
};

// "A" is 0, "Z" 25, "AA" 26 ... ; -1 for anything that is not column letters.
int IndiceColoana(const QString& litere);
QString LitereColoana(int indice);
// Parses "AB17" into 0-based row and column; false when malformed.
bool DescompuneAdresa(const QString& adresa, int& rand, int& coloana);
