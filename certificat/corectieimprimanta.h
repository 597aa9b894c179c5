#pragma once

#include <QRectF>
#include <array>

// Where a printer puts a page, per axis: a point asked for at p millimetres from the paper's
// edge lands at Scara × p + DeplasareMm. Measured on the sheet as it is read, so for a page
// printed turned by 180 degrees it describes the sheet after the turn.
struct TAxaImprimanta {
    double Scara = 1.0;
    double DeplasareMm = 0.0;
};

struct TMasuratoareImprimanta {
    TAxaImprimanta X;
    TAxaImprimanta Y;
};

// The correction a page prints with: its margin corrections and the printer's scale per
// axis. A point designed at d millimetres from the paper's edge is asked for at
// (d + margin) / scale, so that with the margin at minus the printer's offset it lands on d.
// With both scales at 1 a page prints exactly where the margins alone put it.
class TCorectiePagina {
public:
    TCorectiePagina() = default;
    TCorectiePagina(double stangaMm, double susMm, double scaraX = 1.0, double scaraY = 1.0);
    // The correction that cancels a measured printer.
    static TCorectiePagina Anuleaza(const TMasuratoareImprimanta& masuratoare);

    double StangaMm() const { return m_stangaMm; }
    double SusMm() const { return m_susMm; }
    double ScaraX() const { return m_scaraX; }
    double ScaraY() const { return m_scaraY; }

    // The same correction with a page's own corrections added to its margins.
    TCorectiePagina Deplasata(double stangaMm, double susMm) const;

    // A designed rectangle of the paper, in millimetres, as the printer must be asked for it.
    QRectF Ceruta(const QRectF& proiectata) const;

private:
    double m_stangaMm = 0;
    double m_susMm = 0;
    double m_scaraX = 1;
    double m_scaraY = 1;
};

// The readings of a calibration sheet: X1, Y1 of the first cross, X2, Y2 of the second, each
// the distance in millimetres from the paper's left (X) or top (Y) edge to the cross's centre.
using TCitiriCalibrare = std::array<double, 4>;

// The printer's scale and offset per axis from the readings of a sheet whose crosses were
// printed, uncorrected, at `cruce1` and `cruce2` on paper of `hartie` millimetres. A reading
// off the paper, a scale outside 95-105 % or an offset beyond `deplasareMaximaMm` is refused
// with an error saying which.
TMasuratoareImprimanta CalculeazaMasuratoarea(const TCitiriCalibrare& citiri, const QPointF& cruce1,
                                              const QPointF& cruce2, const QSizeF& hartie,
                                              double deplasareMaximaMm);
