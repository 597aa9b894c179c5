#pragma once

#include "widgets/contoractualizare.h"

#include <QColor>
#include <memory>
#include <vector>

// One row of the grid. The owner derives from it to keep its own data with the row; the
// grid never holds cell values.
class TBrvVirtualGridLine {
public:
    // Bits of Atribute, applied in this order.
    enum Atribut : quint8 {
        BoldDa = 1 << 0,
        BoldNu = 1 << 1,
        ItalicDa = 1 << 2,
        ItalicNu = 1 << 3,
        Marime6 = 1 << 4,
        Marime8 = 1 << 5,
        Marime10 = 1 << 6,
        Marime11 = 1 << 7,
    };

    virtual ~TBrvVirtualGridLine() = default;

    int Stil() const { return m_stil; }
    // Fails with "Stil trebuie sa fie de la 1 la 10" outside 1 to 10.
    void SetStil(int stil);

    // Invalid colours: no override.
    QColor CuloareFundal;
    QColor CuloareText;
    quint8 Atribute = 0;
    // Row height before scaling; 0 takes the grid's default row height.
    quint8 Inaltime = 0;

private:
    int m_stil = 1;
};

// The grid's lines in display order; adding and clearing are bracketed by the grid's
// update counter.
class TBrvVirtualGridList {
public:
    explicit TBrvVirtualGridList(TBrvContorActualizare& contor) : m_contor(contor) {}

    // Takes the line; returns it for the owner to fill (an empty pointer is not added).
    TBrvVirtualGridLine* Add(std::unique_ptr<TBrvVirtualGridLine> linie);
    template <typename Linie = TBrvVirtualGridLine>
    Linie* Adauga()
    {
        return static_cast<Linie*>(Add(std::make_unique<Linie>()));
    }
    void Clear();

    int Count() const { return static_cast<int>(m_linii.size()); }
    // Nullptr outside 0 to Count() - 1.
    TBrvVirtualGridLine* Linie(int index) const;

private:
    TBrvContorActualizare& m_contor;
    std::vector<std::unique_ptr<TBrvVirtualGridLine>> m_linii;
};
