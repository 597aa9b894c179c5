#pragma once

#include "certificat/suprafatatext.h"

class QImage;

// What a printer page measures: printable pixels and millimetres, the whole paper in pixels,
// and the unprintable margin. Device rectangles are measured from the printable origin.
struct TMasuriDispozitiv {
    int HorzRes = 0;
    int VertRes = 0;
    double HorzSize = 0;
    double VertSize = 0;
    int PhysicalWidth = 0;
    int PhysicalHeight = 0;
    int PhysicalOffsetX = 0;
    int PhysicalOffsetY = 0;
};

// A printer page that text areas print on.
class TImprimanta : public TSuprafataText {
public:
    virtual TMasuriDispozitiv Masuri() const = 0;
    // Draws a picture stretched over a device rectangle, turned by 180 degrees about the
    // rectangle's centre when asked.
    virtual void DeseneazaImagine(const QRect& tinta, const QImage& imagine, bool intoarsa) = 0;
};
