#pragma once

#include <QColor>
#include <QList>
#include <functional>

// One highlighted cell: its column, its line (0 is the first data row) and how strongly it
// is still highlighted, 10 down to 0.
struct TBrvCelulaGrid {
    int Coloana = 0;
    int Rand = 0;
    int Intensitate = 0;
};

// The cells under the mouse and those still fading out after it left.
class TBrvListaCeluleGrid {
public:
    static constexpr int IntensitateMaxima = 10;
    static constexpr int PierdereLaTic = 2;

    // The cell under the mouse: full intensity, added when it is not in the list yet.
    void Evidentiaza(int coloana, int rand);
    // One tick: every cell not under the mouse fades and leaves the list at 0; a cell
    // under the mouse is back at full intensity. Returns the cells whose look changed.
    QList<TBrvCelulaGrid> Tic(const std::function<bool(const TBrvCelulaGrid&)>& subMouse);
    // 0 for a cell that is not highlighted.
    int Intensitate(int coloana, int rand) const;
    bool Goala() const { return m_celule.isEmpty(); }
    void Goleste() { m_celule.clear(); }
    const QList<TBrvCelulaGrid>& Celule() const { return m_celule; }

private:
    QList<TBrvCelulaGrid> m_celule;
};

// The background of an unselected cell at a hover intensity: entry i - 1 of a ten-step
// blend, in hue, saturation and lightness, from the background towards the background with
// red and green lowered by 20. Intensities up to 1 leave the background alone.
QColor CuloareEvidentiata(const QColor& fundal, int intensitate);
