#include "forms/formulardeprintat.h"

#include "certificat/desenarepagina.h"

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

TPaginaUmpluta TFormularDePrintat::PaginaUmpluta() const
{
    TPaginaUmpluta pagina;
    pagina.LatimeMm = m_latime;
    pagina.InaltimeMm = m_inaltime;
    pagina.DeltaStanga = m_deltaStanga;
    pagina.DeltaSus = m_deltaSus;
    for (const TFormularTextArea* area : Arii())
        pagina.Arii.append(area->ArieUmpluta());
    return pagina;
}

void TFormularDePrintat::PrintAllAreas(TImprimanta& imprimanta, bool oglinda, const TCorectiePagina& corectie,
                                       bool proba) const
{
    const QImage* fundal = proba && !m_bkImage.isNull() ? &m_bkImage : nullptr;
    DeseneazaPeHartie(imprimanta, PaginaUmpluta(), {corectie, oglinda, fundal});
}

void TFormularDePrintat::ActualizeazaFundalul()
{
    if (m_cache.size() == size())
        return;
    m_cache = QPixmap::fromImage(m_bkImage.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void TFormularDePrintat::paintEvent(QPaintEvent* event)
{
    TTintaEcran ecran;
    ecran.Zoom = m_zoom;
    ecran.Expus = event->rect();
    if (!m_bkImage.isNull()) {
        ActualizeazaFundalul();
        ecran.Fundal = &m_cache;
    }
    ecran.Transparent = m_transparent;
    ecran.Chenar = m_border;
    ecran.LinieDeBaza1 = m_baseLine1;
    ecran.LinieDeBaza2 = m_baseLine2;
    ecran.CuloareLinie1 = m_baseLine1Color;
    ecran.CuloareLinie2 = m_baseLine2Color;
    ecran.DeltaLinie2Mm = m_baseLine2Delta;
    const QList<TFormularTextArea*> arii = Arii();
    for (int i = 0; i < arii.size(); ++i)
        if (arii.at(i)->Hovered())
            ecran.ArieEvidentiata = i;
    ecran.Evidentiere = palette().color(QPalette::Highlight);
    ecran.TextEvidentiat = palette().color(QPalette::HighlightedText);
    QPainter painter(this);
    DeseneazaPagina(painter, PaginaUmpluta(), ecran);
}
