#pragma once

#include "certificat/arieformular.h"
#include "certificat/fontformular.h"

#include <QRect>
#include <QStringList>
#include <QWidget>

class TFormularDePrintat;
class TImprimanta;
struct TParticularizareTextArea;

// The widget of a text area on a preview page: it holds the area's model (TArieFormular),
// keeps its pixel bounds on the model's millimetres at the page's zoom, and takes the
// hover and the click that opens the area's editor. It draws nothing itself: the page's
// renderer draws what the model shows, on the screen and on paper alike.
//
// Areas are named FormularTextArea<n>; the page finds them by that number. The form that
// owns the area (its window) owns the named fonts and is the key of the override records.
class TFormularTextArea : public QWidget, public TUtilizatorFont {
    Q_OBJECT
public:
    using TAliniere = TArieFormular::TAliniere;
    static constexpr TAliniere Stanga = TArieFormular::Stanga;
    static constexpr TAliniere Dreapta = TArieFormular::Dreapta;
    static constexpr TAliniere Centru = TArieFormular::Centru;

    explicit TFormularTextArea(QWidget* pagina = nullptr);
    ~TFormularTextArea() override;

    // The model; after changing it, ActualizeazaDinModel brings the widget after it.
    const TArieFormular& Model() const { return m_model; }
    TArieFormular& Model() { return m_model; }
    // Takes a model (as read from a definition), with its font.
    void SetModel(const TArieFormular& model);
    // Bounds, visibility and drawing after a change of the model.
    void ActualizeazaDinModel();

    // The millimetre geometry (_Top, _Left, _Width, _Height). Setting a value moves nothing;
    // RepositionFromMm or a zoom change does. Ignored while the area measures itself.
    double TopMm() const { return m_model.TopMm; }
    double LeftMm() const { return m_model.LeftMm; }
    double WidthMm() const { return m_model.WidthMm; }
    double HeightMm() const { return m_model.HeightMm; }
    void SetTopMm(double mm);
    void SetLeftMm(double mm);
    void SetWidthMm(double mm);
    void SetHeightMm(double mm);

    QString Text() const { return m_model.Text; }
    void SetText(const QString& text);
    TFontFormular* Font() const { return m_model.Font; }
    void SetFont(TFontFormular* font);
    double ZoomLock() const { return m_model.ZoomLock; }
    void SetZoomLock(double zoom) { m_model.ZoomLock = zoom; }
    TAliniere Alignment() const { return m_model.Aliniere; }
    void SetAlignment(TAliniere aliniere) { m_model.Aliniere = aliniere; }
    QString Denumire1() const { return m_model.Denumire1; }
    QString Denumire2() const { return m_model.Denumire2; }
    QString Denumire3() const { return m_model.Denumire3; }
    void SetDenumire1(const QString& valoare) { m_model.Denumire1 = valoare; }
    void SetDenumire2(const QString& valoare) { m_model.Denumire2 = valoare; }
    void SetDenumire3(const QString& valoare) { m_model.Denumire3 = valoare; }
    QStringList SursaText() const { return m_model.SursaText; }
    void SetSursaText(const QStringList& linii) { m_model.SursaText = linii; }

    // The page the area lies on, or none.
    TFormularDePrintat* Pagina() const;
    // The page's zoom (100 without a page); setting it zooms the page.
    double p_zoom() const;
    void Set_p_zoom(double zoom);
    // The page's resolution (96 without a page).
    double p_dpi() const;

    bool TopInitialPastrat() const { return m_model.TopInitialPastrat; }
    double TopInitial() const { return m_model.TopInitial; }
    void PastreazaPozitiaInitiala() { m_model.PastreazaPozitiaInitiala(); }

    bool Hovered() const { return m_hovered; }
    void SetHovered(bool hovered);

    // The area's override record, found by its form's and its own name.
    TParticularizareTextArea* Particularizare(bool creeaza) const;
    // Text, font, alignment, weight, slant and face after the override record.
    TAspectEfectiv AspectEfectiv() const;
    QString EffectiveText() const { return AspectEfectiv().Text; }
    // What the area shows, as the renderer draws it.
    TArieUmpluta ArieUmpluta() const;

    // Pixel bounds from the millimetres at the page's resolution.
    void RepositionFromMm();

    void FontChanged() override;
    void FontDetached() override;
    virtual void ZoomChanged();
    // Draws the area alone on a printer page at its millimetres plus the offsets; mirrored,
    // the paper is turned by 180 degrees about its centre.
    void PrintTo(TImprimanta& imprimanta, bool oglinda, double stangaMm, double susMm) const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void LaSchimbareaMarginilor();
    void PreiaMmDinPixeli();
    void SchimbaMm(double& camp, double mm);

    TArieFormular m_model;
    bool m_zooming = false;
    bool m_sizing = false;
    bool m_hovered = false;
    QRect m_margineDinMm; // the bounds last derived from the millimetres
};
