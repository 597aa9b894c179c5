#pragma once

#include "certificat/imprimanta.h"

#include <QRect>

class QPageLayout;

// The device measures of a page from its printable rectangle (device pixels and millimetres)
// and its paper's rectangle (device pixels).
TMasuriDispozitiv MasuriDinDreptunghiuri(const QRect& pagina, const QRectF& paginaMm, const QRect& hartie);

// The device measures of a page laid out at a resolution (a PDF writer, an image): the
// printable area is the layout's paint rectangle.
TMasuriDispozitiv MasuriPagina(const QPageLayout& asezare, int dpi);
