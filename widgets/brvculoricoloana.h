#pragma once

#include <QColor>
#include <QFont>

// A font with its colour, as the grid's styles and events hand it around.
struct TBrvFontColorat {
    QFont Font;
    QColor Culoare;
};

enum class TBrvAliniere { Stanga, Dreapta, Centru };
Qt::Alignment AliniereQt(TBrvAliniere aliniere);

// One of the ten styles of a grid column: colours, fonts and alignment of its cells.
// The defaults come from the application's palette when the style is made.
class TBrvCuloriColoana {
public:
    TBrvCuloriColoana();

    QColor CuloareBackgroundNormal;
    QColor CuloareBackgroundSelectat;
    TBrvFontColorat FontNormal;
    TBrvFontColorat FontSelectat;
    int ImageIndex = -1;
    int Indent = -1;
    TBrvAliniere Aliniere = TBrvAliniere::Stanga;
    bool Activ = false;
};

// Arial at a point size (the Central European character set of the design is implied by
// Unicode text).
QFont FontArial(int puncte);
