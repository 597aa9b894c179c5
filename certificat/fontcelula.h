#pragma once

#include "certificat/suprafatatext.h"

#include <QFont>

class QPainter;

// A Qt font whose cell (ascent + descent) is the requested height in pixels. Qt sizes fonts
// by their em, so the pixel size is derived from the face's cell-to-em ratio.
QFont FontDupaCerere(const TCerereFont& cerere);

// Draws a text with the top-left corner of its cell at the origin, turned by the
// escapement (tenths of a degree, counter-clockwise) about that point, clipped.
void ScrieTextPeQPainter(QPainter& painter, int escapement, const QPoint& origine, const QRect& decupare,
                         const QString& text);
