#pragma once

#include "certificat/suprafataqpainter.h"

class QPrinter;

// The device measures of a Qt printer.
TMasuriDispozitiv MasuriImprimanta(const QPrinter& printer);

// A Qt printer page: the painter must be active on the printer.
class TImprimantaQt : public TImprimantaPictor {
public:
    TImprimantaQt(QPrinter& printer, QPainter& painter) : TImprimantaPictor(painter, MasuriImprimanta(printer)) {}
};
