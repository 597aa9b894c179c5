#pragma once

#include "forms/suprafataqpainter.h"

class QPrinter;

// A Qt printer page: the painter must be active on the printer.
class TImprimantaQt : public TTextPeQPainter<TImprimanta> {
public:
    TImprimantaQt(QPrinter& printer, QPainter& painter);
    TMasuriDispozitiv Masuri() const override;

private:
    QPrinter& m_printer;
};
