#include "forms/imprimantaqt.h"

#include <QPrinter>

TImprimantaQt::TImprimantaQt(QPrinter& printer, QPainter& painter) : TTextPeQPainter(painter), m_printer(printer) {}

TMasuriDispozitiv TImprimantaQt::Masuri() const
{
    const QRect pagina = m_printer.pageRect(QPrinter::DevicePixel).toRect();
    const QRectF paginaMm = m_printer.pageRect(QPrinter::Millimeter);
    const QRect hartie = m_printer.paperRect(QPrinter::DevicePixel).toRect();
    TMasuriDispozitiv m;
    m.HorzRes = pagina.width();
    m.VertRes = pagina.height();
    m.HorzSize = paginaMm.width();
    m.VertSize = paginaMm.height();
    m.PhysicalWidth = hartie.width();
    m.PhysicalHeight = hartie.height();
    m.PhysicalOffsetX = pagina.left();
    m.PhysicalOffsetY = pagina.top();
    return m;
}
