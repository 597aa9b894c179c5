#pragma once

#include <QRect>
#include <QPoint>

class QWidget;

// Top-left corner of a window of the given size centred on a work area; a window larger
// than the work area is moved back inside its top-left edge only.
QPoint PozitieCentrata(const QRect& zonaLucru, const QSize& marime);

// Work area of the monitor under the mouse pointer (the primary monitor when none is).
QRect ZonaLucruSubMouse();

// Centres a window on the work area of the monitor under the mouse pointer.
void CentreazaFereastra(QWidget* fereastra);
