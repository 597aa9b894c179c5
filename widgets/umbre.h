#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// The 5-pixel shades that set the fixed parts of the grid off from the rest: a blend in
// five steps from a background to the line colour, ending at the given edge.
constexpr int LatimeUmbra = 5;
QColor AmestecaCulori(const QColor& de, const QColor& spre, int pas, int pasi);
void DeseneazaUmbraDreapta(QPainter& painter, const QRect& celula, const QColor& fundal, const QColor& linie);
void DeseneazaUmbraJos(QPainter& painter, const QRect& zona, const QColor& fundal, const QColor& linie);
