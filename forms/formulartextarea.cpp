#include "forms/formulartextarea.h"

#include "base/userprompt.h"
#include "certificat/desenarepagina.h"
#include "certificat/particularizaretextarea.h"
#include "forms/editortextformular.h"
#include "forms/formulardeprintat.h"

#include <QMouseEvent>
#include <QScopeGuard>


TFormularTextArea::TFormularTextArea(QWidget* pagina) : QWidget(pagina)
{
    setCursor(Qt::PointingHandCursor);
    // The model carries the name: the override records and the filling know areas by it.
    connect(this, &QObject::objectNameChanged, this, [this](const QString& nume) { m_model.Nume = nume; });
}

TFormularTextArea::~TFormularTextArea()
{
    if (m_model.Font)
        m_model.Font->DetachArea(this);
}

void TFormularTextArea::SetModel(const TArieFormular& model)
{
    TFontFormular* font = model.Font;
    m_model = model;
    m_model.Font = nullptr;
    setObjectName(model.Nume);
    SetFont(font);
}

void TFormularTextArea::ActualizeazaDinModel()
{
    setVisible(m_model.Vizibila);
    RepositionFromMm();
    update();
}

void TFormularTextArea::SchimbaMm(double& camp, double mm)
{
    if (!m_sizing)
        camp = mm;
}

void TFormularTextArea::SetTopMm(double mm) { SchimbaMm(m_model.TopMm, mm); }
void TFormularTextArea::SetLeftMm(double mm) { SchimbaMm(m_model.LeftMm, mm); }
void TFormularTextArea::SetWidthMm(double mm) { SchimbaMm(m_model.WidthMm, mm); }
void TFormularTextArea::SetHeightMm(double mm) { SchimbaMm(m_model.HeightMm, mm); }

void TFormularTextArea::SetText(const QString& text)
{
    m_model.Text = text;
    update();
}

void TFormularTextArea::SetFont(TFontFormular* font)
{
    if (m_model.Font)
        m_model.Font->DetachArea(this);
    m_model.Font = font;
    if (font)
        font->AttachArea(this);
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

void TFormularTextArea::SetHovered(bool hovered)
{
    m_hovered = hovered;
    update();
}

TParticularizareTextArea* TFormularTextArea::Particularizare(bool creeaza) const
{
    const QWidget& formular = *window();
    return ListaParticularizari().FindOverride(formular.objectName(), objectName(), formular, creeaza);
}

TAspectEfectiv TFormularTextArea::AspectEfectiv() const
{
    return m_model.AspectEfectiv(Particularizare(false));
}

TArieUmpluta TFormularTextArea::ArieUmpluta() const
{
    TArieUmpluta arie = m_model.ArieUmpluta(Particularizare(false));
    arie.Vizibila = !isHidden();
    return arie;
}

void TFormularTextArea::RepositionFromMm()
{
    m_zooming = true;
    const auto gata = qScopeGuard([this] { m_zooming = false; });
    const double dpi = p_dpi();
    m_margineDinMm = QRect(MmToPixels(dpi, m_model.LeftMm), MmToPixels(dpi, m_model.TopMm),
                           MmToPixels(dpi, m_model.WidthMm), MmToPixels(dpi, m_model.HeightMm));
    setGeometry(m_margineDinMm);
}

void TFormularTextArea::FontChanged()
{
    update();
}

void TFormularTextArea::FontDetached()
{
    m_model.Font = nullptr;
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
    m_model.TopMm = PixelsToMm(y(), dpi);
    m_model.LeftMm = PixelsToMm(x(), dpi);
    m_model.WidthMm = PixelsToMm(width(), dpi);
    m_model.HeightMm = PixelsToMm(height(), dpi);
}

void TFormularTextArea::LaSchimbareaMarginilor()
{
    const TFormularDePrintat* pagina = Pagina();
    // Qt delivers the move and resize of a hidden widget when it is shown: bounds that came
    // from the millimetres must not be taken back as millimetres.
    const bool dinMm = geometry() == m_margineDinMm;
    if (!m_zooming && !dinMm && !(pagina && pagina->SeIncarca())) {
        if (p_zoom() != m_model.ZoomLock && m_model.ZoomLock != 0) {
            RepositionFromMm();
        } else {
            PreiaMmDinPixeli();
            m_model.ZoomLock = p_zoom();
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

void TFormularTextArea::PrintTo(TImprimanta& imprimanta, bool oglinda, double stangaMm, double susMm) const
{
    TPaginaUmpluta singura;
    singura.Arii.append(ArieUmpluta());
    DeseneazaPeHartie(imprimanta, singura, {TCorectiePagina(stangaMm, susMm), oglinda, nullptr});
}
