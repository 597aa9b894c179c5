#pragma once

#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// The test sheets of the printer calibration: each prints one vector picture, centred and
// taking the same share of the printable area as it takes of the reference sheet.
enum class TFoaieTest { PrimaSageata, ADouaSageata, Linii };

// The pictures' design sizes, in their own units; placement depends on them.
QSize MarimeFoaieReferinta();
QSize MarimeImagineTest(TFoaieTest foaie);

// The document title of a test sheet.
QString TitluFoaieTest(TFoaieTest foaie);

// Where a picture goes in a printable area of the given size (device pixels).
QRect LocImagineTest(const QSize& zonaTiparibila, const QSize& imagine);

// Draws a picture stretched into the rectangle.
void DeseneazaImagineTest(QPainter& pictor, TFoaieTest foaie, const QRectF& loc);

// Prints a test sheet on the current printer in portrait; false when the user gave up
// naming the PDF file. A failure is raised once the document has been ended.
bool TiparesteFoaieTest(TFoaieTest foaie);
