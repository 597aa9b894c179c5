#include "certificat/suprafataqpainter.h"

TImprimantaPictor::TImprimantaPictor(QPainter& painter, const TMasuriDispozitiv& masuri)
    : TTextPeQPainter(painter), m_masuri(masuri)
{
}

void TImprimantaPictor::DeseneazaImagine(const QRect& tinta, const QImage& imagine, bool intoarsa)
{
    m_painter.save();
    m_painter.translate(QRectF(tinta).center());
    if (intoarsa)
        m_painter.rotate(180);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.drawImage(QRectF(-tinta.width() / 2.0, -tinta.height() / 2.0, tinta.width(), tinta.height()), imagine);
    m_painter.restore();
}
