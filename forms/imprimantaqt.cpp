#include "forms/imprimantaqt.h"

#include "certificat/masuripagina.h"

#include <QPrinter>

TMasuriDispozitiv MasuriImprimanta(const QPrinter& printer)
{
    return MasuriDinDreptunghiuri(printer.pageRect(QPrinter::DevicePixel).toRect(),
                                  printer.pageRect(QPrinter::Millimeter),
                                  printer.paperRect(QPrinter::DevicePixel).toRect());
}
