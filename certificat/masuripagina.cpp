#include "certificat/masuripagina.h"

#include <QPageLayout>

TMasuriDispozitiv MasuriDinDreptunghiuri(const QRect& pagina, const QRectF& paginaMm, const QRect& hartie)
{
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

TMasuriDispozitiv MasuriPagina(const QPageLayout& asezare, int dpi)
{
    return MasuriDinDreptunghiuri(asezare.paintRectPixels(dpi), asezare.paintRect(QPageLayout::Millimeter),
                                  asezare.fullRectPixels(dpi));
}
