#include "forms/formulardeprintat.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

const QString PrefixArie = QStringLiteral("FormularTextArea");

} // namespace

TFormularDePrintat::TFormularDePrintat(QWidget* parent) : QWidget(parent)
{
    UpdatePixelSize();
}

void TFormularDePrintat::SetZoom(double zoom)
{
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    UpdatePixelSize();
    for (TFormularTextArea* area : Arii())
        area->ZoomChanged();
    update();
}

void TFormularDePrintat::SetLatime(double mm)
{
    m_latime = mm;
    UpdatePixelSize();
}

void TFormularDePrintat::SetInaltime(double mm)
{
    m_inaltime = mm;
    UpdatePixelSize();
}

void TFormularDePrintat::SetBkImage(const QImage& imagine)
{
    m_cache = QPixmap();
    m_bkImage = imagine;
    update();
}

void TFormularDePrintat::UpdatePixelSize()
{
    const double dpi = PageDpi(m_zoom);
    // A fixed size: layouts and scroll boxes cannot stretch the page away from its paper.
    setFixedSize(MmToPixels(dpi, m_latime), MmToPixels(dpi, m_inaltime));
}

void TFormularDePrintat::RedeseneazaCuArii()
{
    update();
    for (TFormularTextArea* area : Arii())
        area->update();
}

QList<TFormularTextArea*> TFormularDePrintat::Arii() const
{
    return findChildren<TFormularTextArea*>(QString(), Qt::FindDirectChildrenOnly);
}

TFormularTextArea* TFormularDePrintat::FindAreaByNumber(int n) const
{
    const QString nume = PrefixArie + QString::number(n);
    for (TFormularTextArea* area : Arii())
        if (area->objectName() == nume)
            return area;
    return nullptr;
}

int TFormularDePrintat::HighestAreaNumber() const
{
    int maxim = 0;
    for (const TFormularTextArea* area : Arii()) {
        const QString nume = area->objectName();
        if (nume.size() <= PrefixArie.size() || !nume.startsWith(PrefixArie))
            continue;
        QString cifre;
        for (const QChar c : nume.mid(PrefixArie.size()))
            if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                cifre.append(c);
        maxim = std::max(maxim, cifre.toInt());
    }
    return maxim;
}

void TFormularDePrintat::PrintAllAreas(TImprimanta& imprimanta, bool oglinda, double stangaMm, double susMm)
{
    stangaMm += m_deltaStanga;
    susMm += m_deltaSus;
    for (TFormularTextArea* area : Arii())
        area->PrintTo(imprimanta, oglinda, stangaMm, susMm);
}

void TFormularDePrintat::ActualizeazaFundalul()
{
    if (m_cache.size() == size())
        return;
    m_cache = QPixmap::fromImage(m_bkImage.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void TFormularDePrintat::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (m_bkImage.isNull()) {
        // Without its scan the page is plain paper.
        painter.fillRect(event->rect(), Qt::white);
        return;
    }
    ActualizeazaFundalul();
    painter.drawPixmap(event->rect(), m_cache, event->rect());
}
