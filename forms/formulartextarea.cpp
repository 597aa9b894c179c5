#include "forms/formulartextarea.h"

#include "base/multimi.h"

#include "base/userprompt.h"
#include "forms/editortextformular.h"
#include "forms/fontformular.h"
#include "forms/formulardeprintat.h"
#include "forms/imprimanta.h"
#include "forms/particularizaretextarea.h"
#include "forms/potrivirefont.h"
#include "forms/suprafataqpainter.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScopeGuard>
#include <cmath>

namespace {

Qt::Alignment AliniereQt(TFormularTextArea::TAliniere aliniere)
{
    switch (aliniere) {
    case TFormularTextArea::Dreapta: return Qt::AlignRight;
    case TFormularTextArea::Centru: return Qt::AlignHCenter;
    case TFormularTextArea::Stanga: break;
    }
    return Qt::AlignLeft;
}

Qt::Alignment AliniereParticularizata(int aliniere, Qt::Alignment implicita)
{
    switch (AliniereParticularizataDinNumar(aliniere)) {
    case TAliniereParticularizata::Stanga: return Qt::AlignLeft;
    case TAliniereParticularizata::Centru: return Qt::AlignHCenter;
    case TAliniereParticularizata::Dreapta: return Qt::AlignRight;
    case TAliniereParticularizata::Pastreaza: break;
    }
    return implicita;
}

bool Fortat(int alegere, bool implicit)
{
    return StilAplicat(StilParticularizatDinNumar(alegere), implicit);
}

// Left edge of a text of a given width placed in a span.
int XAliniat(Qt::Alignment aliniere, int stanga, int latime, int latimeText)
{
    if (aliniere & Qt::AlignRight)
        return stanga + latime - latimeText;
    if (aliniere & Qt::AlignHCenter)
        return stanga + (latime - latimeText) / 2;
    return stanga;
}

TCerereFont CerereFont(const TAspectEfectiv& aspect, int inaltime, int escapement)
{
    TCerereFont cerere;
    cerere.Fata = aspect.Fata;
    cerere.InaltimeCelula = inaltime;
    cerere.Greutate = aspect.Greutate;
    cerere.Italic = aspect.Italic;
    cerere.CharSet = aspect.Font->CharSet();
    cerere.Escapement = escapement;
    return cerere;
}

// Rounds to the nearest integer, halves to even.
int Rotunjit(double valoare)
{
    return static_cast<int>(std::nearbyint(valoare));
}

// The device pixels an area covers on paper, from the printable origin: the edges are
// rounded on their own, and the zone takes in both its right and its bottom edge.
QRect ZonaPeHartie(const TMasuriDispozitiv& m, double xMm, double yMm, double latimeMm, double inaltimeMm)
{
    const double kx = m.HorzRes / m.HorzSize;
    const double ky = m.VertRes / m.VertSize;
    const int stanga = Rotunjit(xMm * kx) - m.PhysicalOffsetX;
    const int sus = Rotunjit(yMm * ky) - m.PhysicalOffsetY;
    return QRect(QPoint(stanga, sus), QPoint(stanga + Rotunjit(latimeMm * kx), sus + Rotunjit(inaltimeMm * ky)));
}

// A point of the paper turned by 180 degrees about the paper's centre.
QPoint IntoarsPeHartie(const TMasuriDispozitiv& m, const QPoint& punct)
{
    return {m.PhysicalWidth - 2 * m.PhysicalOffsetX - punct.x(), m.PhysicalHeight - 2 * m.PhysicalOffsetY - punct.y()};
}

// A clipping rectangle (right and bottom edges excluded) turned likewise.
QRect IntoarsPeHartie(const TMasuriDispozitiv& m, const QRect& decupare)
{
    const QPoint colt = IntoarsPeHartie(m, decupare.bottomRight() + QPoint(1, 1));
    return QRect(colt, decupare.size());
}

} // namespace

TFormularTextArea::TFormularTextArea(QWidget* pagina) : QWidget(pagina)
{
    setCursor(Qt::PointingHandCursor);
}

TFormularTextArea::~TFormularTextArea()
{
    if (m_font)
        m_font->DetachArea(this);
}

void TFormularTextArea::SchimbaMm(double& camp, double mm)
{
    if (!m_sizing)
        camp = mm;
}

void TFormularTextArea::SetTopMm(double mm) { SchimbaMm(m_top, mm); }
void TFormularTextArea::SetLeftMm(double mm) { SchimbaMm(m_left, mm); }
void TFormularTextArea::SetWidthMm(double mm) { SchimbaMm(m_width, mm); }
void TFormularTextArea::SetHeightMm(double mm) { SchimbaMm(m_height, mm); }

void TFormularTextArea::SetText(const QString& text)
{
    m_text = text;
    update();
}

void TFormularTextArea::SetFont(TFontFormular* font)
{
    if (m_font)
        m_font->DetachArea(this);
    m_font = font;
    if (m_font)
        m_font->AttachArea(this);
    update();
}

TFormularDePrintat* TFormularTextArea::Pagina() const
{
    return qobject_cast<TFormularDePrintat*>(parentWidget());
}

double TFormularTextArea::p_zoom() const
{
    const TFormularDePrintat* pagina = Pagina();
    return pagina ? pagina->Zoom() : 100.0;
}

void TFormularTextArea::Set_p_zoom(double zoom)
{
    if (TFormularDePrintat* pagina = Pagina())
        pagina->SetZoom(zoom);
}

double TFormularTextArea::p_dpi() const
{
    const TFormularDePrintat* pagina = Pagina();
    return pagina ? PageDpi(pagina->Zoom()) : 96.0;
}

void TFormularTextArea::PastreazaPozitiaInitiala()
{
    if (m_topInitialPastrat)
        return;
    m_topInitial = m_top;
    m_topInitialPastrat = true;
}

void TFormularTextArea::SetHovered(bool hovered)
{
    m_hovered = hovered;
    update();
}

TAspectEfectiv TFormularTextArea::AspectEfectiv() const
{
    const TParticularizareTextArea* p = ListaParticularizari().FindOverride(*this, false);
    TAspectEfectiv aspect;
    aspect.Text = m_text;
    if (p && !p->Text.isEmpty() && m_text.size() != 1)
        aspect.Text = p->Text;
    aspect.Font = p && p->Font ? p->Font : m_font;
    aspect.Aliniere = AliniereParticularizata(p ? p->Aliniere : 0, AliniereQt(m_alignment));
    if (aspect.Font) {
        aspect.Greutate = Fortat(p ? p->Bold : 0, aspect.Font->Bold()) ? 700 : 400;
        aspect.Italic = Fortat(p ? p->Italic : 0, aspect.Font->Italic());
        aspect.Fata = p && !p->NumeFata.isEmpty() ? p->NumeFata : aspect.Font->FontName();
    }
    if (p) {
        aspect.DeplasareOrizontala = p->DeplasareOrizontala;
        aspect.DeplasareVerticala = p->DeplasareVerticala;
    }
    return aspect;
}

void TFormularTextArea::RepositionFromMm()
{
    m_zooming = true;
    const auto gata = qScopeGuard([this] { m_zooming = false; });
    const double dpi = p_dpi();
    m_margineDinMm = QRect(MmToPixels(dpi, m_left), MmToPixels(dpi, m_top), MmToPixels(dpi, m_width),
                           MmToPixels(dpi, m_height));
    setGeometry(m_margineDinMm);
}

void TFormularTextArea::FontChanged()
{
    update();
}

void TFormularTextArea::FontDetached()
{
    m_font = nullptr;
}

void TFormularTextArea::ZoomChanged()
{
    RepositionFromMm();
    update();
}

void TFormularTextArea::PreiaMmDinPixeli()
{
    m_sizing = true;
    const auto gata = qScopeGuard([this] { m_sizing = false; });
    const double dpi = p_dpi();
    m_top = PixelsToMm(y(), dpi);
    m_left = PixelsToMm(x(), dpi);
    m_width = PixelsToMm(width(), dpi);
    m_height = PixelsToMm(height(), dpi);
}

void TFormularTextArea::LaSchimbareaMarginilor()
{
    const TFormularDePrintat* pagina = Pagina();
    // Qt delivers the move and resize of a hidden widget when it is shown: bounds that came
    // from the millimetres must not be taken back as millimetres.
    const bool dinMm = geometry() == m_margineDinMm;
    if (!m_zooming && !dinMm && !(pagina && pagina->SeIncarca())) {
        if (p_zoom() != m_zoomLock && m_zoomLock != 0) {
            RepositionFromMm();
        } else {
            PreiaMmDinPixeli();
            m_zoomLock = p_zoom();
        }
    }
    update();
}

void TFormularTextArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LaSchimbareaMarginilor();
}

void TFormularTextArea::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    LaSchimbareaMarginilor();
}

void TFormularTextArea::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    SetHovered(true);
}

void TFormularTextArea::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    SetHovered(false);
}

void TFormularTextArea::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        RuleazaCuEroare([this] { EditeazaTextArea(*this); });
}

void TFormularTextArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const TFormularDePrintat* pagina = Pagina();
    if (!(pagina && pagina->TextAreaTransparent()))
        painter.fillRect(rect(), Qt::white);
    if (m_hovered)
        painter.fillRect(rect(), palette().color(QPalette::Highlight));
    int coborare = 0;
    const TAspectEfectiv aspect = AspectEfectiv();
    if (aspect.Font) {
        TSuprafataEcran ecran(painter);
        const int inaltime = std::max(1, MmToPixels(p_dpi(), aspect.Font->Size()));
        const TTextPotrivit potrivit = PotrivesteTextul(ecran, CerereFont(aspect, inaltime, 0), aspect.Text, width());
        painter.setPen(m_hovered ? palette().color(QPalette::HighlightedText) : QColor(Qt::black));
        const QPoint origine(XAliniat(aspect.Aliniere, 0, width(), potrivit.Marime.width()),
                             height() - potrivit.Marime.height());
        ecran.ScrieText(origine, rect(), aspect.Text);
        coborare = ecran.Coborare();
    }
    painter.setPen(Qt::black);
    if (pagina && pagina->TextAreaWithBorder())
        painter.drawRect(0, 0, width() - 1, height() - 1);
    if (pagina)
        DeseneazaLinii(painter, coborare);
}

void TFormularTextArea::DeseneazaLinii(QPainter& painter, int coborare) const
{
    const TFormularDePrintat& pagina = *Pagina();
    const int y = height() - coborare;
    if (pagina.TextAreaBaseLine1()) {
        painter.setPen(pagina.TextAreaBaseLine1_color());
        painter.drawLine(0, y, width() - 1, y);
    }
    if (pagina.TextAreaBaseLine2()) {
        const int y2 = y + MmToPixels(PageDpi(pagina.Zoom()), pagina.TextAreaBaseLine2_delta());
        painter.setPen(pagina.TextAreaBaseLine2_color());
        painter.drawLine(0, y2, width() - 1, y2);
    }
    painter.setPen(Qt::black);
}

void TFormularTextArea::PrintTo(TImprimanta& imprimanta, bool oglinda, double stangaMm, double susMm)
{
    const TAspectEfectiv aspect = AspectEfectiv();
    if (!aspect.Font)
        return;
    const TMasuriDispozitiv m = imprimanta.Masuri();
    const QRect zona = ZonaPeHartie(m, m_left + stangaMm + 0.5 * aspect.DeplasareOrizontala,
                                    m_top + susMm + 0.5 * aspect.DeplasareVerticala, m_width, m_height);
    // The paper is taken to be 210 mm high: A4 in landscape.
    const double dpiFont = m.PhysicalHeight / 8.26771653543307;
    const int start = std::min(std::max(1, MmToPixels(dpiFont, aspect.Font->Size())), MmToPixels(dpiFont, m_height));
    const TTextPotrivit potrivit =
        PotrivesteTextul(imprimanta, CerereFont(aspect, start, oglinda ? 1800 : 0), aspect.Text, zona.width());
    const QPoint origine(XAliniat(aspect.Aliniere, zona.left(), zona.width(), potrivit.Marime.width()),
                         zona.top() + zona.height() - potrivit.Marime.height());
    // The clipping rectangle ends before its right and bottom edges, one pixel inside the zone.
    const QRect decupare = zona.adjusted(0, 0, -1, -1);
    if (oglinda)
        imprimanta.ScrieText(IntoarsPeHartie(m, origine), IntoarsPeHartie(m, decupare), aspect.Text);
    else
        imprimanta.ScrieText(origine, decupare, aspect.Text);
}
