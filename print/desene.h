#pragma once

#include <QColor>
#include <QPolygonF>
#include <QRectF>

class QPainter;

// Drawing pieces shared by the pictures of the printing dialogs.

// A block arrow filling the rectangle, pointing up or down; its head takes the given share
// of its length.
QPolygonF PoligonSageata(const QRectF& loc, bool inSus, qreal proportieVarf = 0.45);

// The arrow filled with a colour and outlined in black.
void DeseneazaSageataPlina(QPainter& pictor, const QRectF& loc, bool inSus, const QColor& culoare);

// A white sheet with a black border.
void DeseneazaCoala(QPainter& pictor, const QRectF& loc);

// A printer seen from the front, slightly from above: body and output slot.
void DeseneazaImprimanta(QPainter& pictor, const QRectF& corp);

// Parallel diagonal lines across a shape, the given distance apart.
void HasureazaPoligon(QPainter& pictor, const QPolygonF& forma, qreal distanta);
