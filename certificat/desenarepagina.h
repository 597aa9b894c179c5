#pragma once

#include "certificat/corectieimprimanta.h"
#include "certificat/imprimanta.h"
#include "certificat/paginaumpluta.h"

#include <QColor>
#include <QRect>
#include <variant>

class QImage;
class QPainter;
class QPixmap;

// A page on paper: the correction of its side (margins and the printer's measured scale),
// the mirror (the paper turned by 180 degrees about its centre) and, for a proof on plain
// paper, the blank card's scan drawn under the text at the same corrected place. The
// correction works on the page as it is read, before the turn: the printer's error was
// measured on the sheet after it.
struct TAsezarePeHartie {
    TCorectiePagina Corectie;
    bool Oglinda = false;
    const QImage* Fundal = nullptr;
};

// A page on paper whose painter has its origin at the printable area's top-left corner.
struct TTintaHartie {
    TMasuriDispozitiv Masuri;
    TAsezarePeHartie Asezare;
};

// A page on the screen at a zoom, the painter's origin at the page's top-left corner.
struct TTintaEcran {
    double Zoom = 100;
    // The scan stretched to the page's pixel size; none draws white paper.
    const QPixmap* Fundal = nullptr;
    // The part of the page to repaint; empty: all of it.
    QRect Expus;
    bool Transparent = true;
    bool Chenar = false;
    bool LinieDeBaza1 = false;
    bool LinieDeBaza2 = false;
    QColor CuloareLinie1 = Qt::red;
    QColor CuloareLinie2 = Qt::blue;
    double DeltaLinie2Mm = 1.0;
    // The area under the mouse (an index of the page's areas) and its colours.
    int ArieEvidentiata = -1;
    QColor Evidentiere;
    QColor TextEvidentiat;
};

using TTintaDesen = std::variant<TTintaEcran, TTintaHartie>;

// The one renderer of the form pages: draws a filled page onto a painter for a target.
void DeseneazaPagina(QPainter& painter, const TPaginaUmpluta& pagina, const TTintaDesen& tinta);

// The paper half of the renderer on any printer interface: the texts of every visible area
// at its millimetres plus the page's and the side's corrections.
void DeseneazaPeHartie(TImprimanta& imprimanta, const TPaginaUmpluta& pagina, const TAsezarePeHartie& asezare);

// The device rectangle (right and bottom edges excluded) that a rectangle of the paper's
// millimetres covers once corrected, turned when the page is.
QRect DreptunghiPeHartie(const TMasuriDispozitiv& masuri, const TAsezarePeHartie& asezare, const QRectF& mm);

// The device pixels of an area on the screen at a zoom, from the page's top-left corner.
QRect ZonaPeEcran(double zoom, double stangaMm, double susMm, double latimeMm, double inaltimeMm);
