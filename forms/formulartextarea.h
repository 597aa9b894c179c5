#pragma once

#include <QRect>
#include <QStringList>
#include <QWidget>

class TFontFormular;
class TFormularDePrintat;
class TImprimanta;
class TSuprafataText;
class TParticularizareTextArea;

// How an area looks once its override record (if any) has been applied.
struct TAspectEfectiv {
    QString Text;
    const TFontFormular* Font = nullptr; // none: the area draws no text
    Qt::Alignment Aliniere = Qt::AlignLeft;
    int Greutate = 400;
    bool Italic = false;
    QString Fata;
    int DeplasareOrizontala = 0; // half millimetres, -1, 0 or +1
    int DeplasareVerticala = 0;
};

// A rectangle on a form page, given in millimetres, that shows one short text fitted into
// it and prints that text at the same place on paper. The millimetre geometry is the master:
// the widget's pixel bounds follow from it and the page zoom.
//
// Areas are named FormularTextArea<n>; the page finds them by that number. The form that
// owns the area (its window) owns the named fonts and is the key of the override records.
class TFormularTextArea : public QWidget {
    Q_OBJECT
public:
    // The order of the values is the one stored with the definitions.
    enum TAliniere { Stanga = 0, Dreapta = 1, Centru = 2 };

    explicit TFormularTextArea(QWidget* pagina = nullptr);
    ~TFormularTextArea() override;

    // The millimetre geometry (_Top, _Left, _Width, _Height). Setting a value moves nothing;
    // RepositionFromMm or a zoom change does. Ignored while the area measures itself.
    double TopMm() const { return m_top; }
    double LeftMm() const { return m_left; }
    double WidthMm() const { return m_width; }
    double HeightMm() const { return m_height; }
    void SetTopMm(double mm);
    void SetLeftMm(double mm);
    void SetWidthMm(double mm);
    void SetHeightMm(double mm);

    QString Text() const { return m_text; }
    void SetText(const QString& text);
    TFontFormular* Font() const { return m_font; }
    void SetFont(TFontFormular* font);
    double ZoomLock() const { return m_zoomLock; }
    void SetZoomLock(double zoom) { m_zoomLock = zoom; }
    TAliniere Alignment() const { return m_alignment; }
    void SetAlignment(TAliniere aliniere) { m_alignment = aliniere; }
    QString Denumire1() const { return m_denumire1; }
    QString Denumire2() const { return m_denumire2; }
    QString Denumire3() const { return m_denumire3; }
    void SetDenumire1(const QString& valoare) { m_denumire1 = valoare; }
    void SetDenumire2(const QString& valoare) { m_denumire2 = valoare; }
    void SetDenumire3(const QString& valoare) { m_denumire3 = valoare; }
    QStringList SursaText() const { return m_sursaText; }
    void SetSursaText(const QStringList& linii) { m_sursaText = linii; }

    // The page the area lies on, or none.
    TFormularDePrintat* Pagina() const;
    // The page's zoom (100 without a page); setting it zooms the page.
    double p_zoom() const;
    void Set_p_zoom(double zoom);
    // The page's resolution (96 without a page).
    double p_dpi() const;

    // The designed vertical position kept by the mark writer the first time the area shows
    // a mark, so that later layouts always start from it.
    bool TopInitialPastrat() const { return m_topInitialPastrat; }
    double TopInitial() const { return m_topInitial; }
    void PastreazaPozitiaInitiala();

    bool Hovered() const { return m_hovered; }
    void SetHovered(bool hovered);

    // Text, font, alignment, weight, slant and face after the override record.
    TAspectEfectiv AspectEfectiv() const;
    QString EffectiveText() const { return AspectEfectiv().Text; }

    // Pixel bounds from the millimetres at the page's resolution.
    void RepositionFromMm();

    virtual void FontChanged();
    virtual void FontDetached();
    virtual void ZoomChanged();
    // Draws the area on a printer page at its millimetres plus the offsets; mirrored, the
    // paper is turned by 180 degrees about its centre.
    virtual void PrintTo(TImprimanta& imprimanta, bool oglinda, double stangaMm, double susMm);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void LaSchimbareaMarginilor();
    void PreiaMmDinPixeli();
    void DeseneazaLinii(QPainter& painter, int coborare) const;
    void SchimbaMm(double& camp, double mm);

    double m_top = 0, m_left = 0, m_width = 0, m_height = 0;
    QString m_text;
    TFontFormular* m_font = nullptr;
    double m_zoomLock = 0;
    TAliniere m_alignment = Stanga;
    QString m_denumire1, m_denumire2, m_denumire3;
    QStringList m_sursaText;
    bool m_zooming = false;
    bool m_sizing = false;
    bool m_hovered = false;
    bool m_topInitialPastrat = false;
    double m_topInitial = 0;
    QRect m_margineDinMm; // the bounds last derived from the millimetres
};
