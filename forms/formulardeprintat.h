#pragma once

#include "forms/formulartextarea.h"
#include "certificat/corectieimprimanta.h"
#include "certificat/geometrieformular.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QWidget>

class TImprimanta;

// One page of a printable form: the scan of the blank paper at a zoom, with its text areas
// as children. The page's pixel size always follows its millimetres and the zoom.
class TFormularDePrintat : public QWidget {
    Q_OBJECT
public:
    explicit TFormularDePrintat(QWidget* parent = nullptr);

    double Zoom() const { return m_zoom; }
    // A different zoom resizes the page and repositions every area; an equal one does nothing.
    void SetZoom(double zoom);
    double Latime() const { return m_latime; }
    double Inaltime() const { return m_inaltime; }
    void SetLatime(double mm);
    void SetInaltime(double mm);

    bool TextAreaTransparent() const { return m_transparent; }
    bool TextAreaWithBorder() const { return m_border; }
    bool TextAreaBaseLine1() const { return m_baseLine1; }
    bool TextAreaBaseLine2() const { return m_baseLine2; }
    bool TextAreaTopLine1() const { return m_topLine1; }
    bool TextAreaTopLine2() const { return m_topLine2; }
    QColor TextAreaBaseLine1_color() const { return m_baseLine1Color; }
    QColor TextAreaBaseLine2_color() const { return m_baseLine2Color; }
    QColor TextAreaTopLine1_color() const { return m_topLine1Color; }
    QColor TextAreaTopLine2_color() const { return m_topLine2Color; }
    double TextAreaBaseLine2_delta() const { return m_baseLine2Delta; }
    double TextAreaTopLine1_delta() const { return m_topLine1Delta; }
    void SetTextAreaTransparent(bool valoare) { SchimbaAspectul(m_transparent, valoare); }
    void SetTextAreaWithBorder(bool valoare) { SchimbaAspectul(m_border, valoare); }
    void SetTextAreaBaseLine1(bool valoare) { SchimbaAspectul(m_baseLine1, valoare); }
    void SetTextAreaBaseLine2(bool valoare) { SchimbaAspectul(m_baseLine2, valoare); }
    void SetTextAreaTopLine1(bool valoare) { SchimbaAspectul(m_topLine1, valoare); }
    void SetTextAreaTopLine2(bool valoare) { SchimbaAspectul(m_topLine2, valoare); }
    void SetTextAreaBaseLine1_color(const QColor& c) { SchimbaAspectul(m_baseLine1Color, c); }
    void SetTextAreaBaseLine2_color(const QColor& c) { SchimbaAspectul(m_baseLine2Color, c); }
    void SetTextAreaTopLine1_color(const QColor& c) { SchimbaAspectul(m_topLine1Color, c); }
    void SetTextAreaTopLine2_color(const QColor& c) { SchimbaAspectul(m_topLine2Color, c); }
    void SetTextAreaBaseLine2_delta(double mm) { SchimbaAspectul(m_baseLine2Delta, mm); }
    void SetTextAreaTopLine1_delta(double mm) { SchimbaAspectul(m_topLine1Delta, mm); }

    const QImage& BkImage() const { return m_bkImage; }
    void SetBkImage(const QImage& imagine);
    QString DenumireFormular() const { return m_denumire; }
    void SetDenumireFormular(const QString& denumire) { m_denumire = denumire; }
    double DeltaStanga() const { return m_deltaStanga; }
    double DeltaSus() const { return m_deltaSus; }
    void SetDeltaStanga(double mm) { m_deltaStanga = mm; }
    void SetDeltaSus(double mm) { m_deltaSus = mm; }

    // Width and height from the millimetres at the current zoom.
    void UpdatePixelSize();

    // The text areas of the page in child order, shown or hidden.
    QList<TFormularTextArea*> Arii() const;
    // The first area named FormularTextArea<n>, or none.
    TFormularTextArea* FindAreaByNumber(int n) const;
    // The largest number in the names of the areas called FormularTextArea..., or 0.
    int HighestAreaNumber() const;

    // What the page shows now, for the renderer: its size, its corrections and each area.
    TPaginaUmpluta PaginaUmpluta() const;
    // Prints every area; the page's own corrections are added to the offsets. A proof on
    // plain paper has the page's scan under the text, at the same place. The caller has begun
    // the print document.
    void PrintAllAreas(TImprimanta& imprimanta, bool oglinda, const TCorectiePagina& corectie, bool proba = false) const;
    void PrintAllAreas(TImprimanta& imprimanta, bool oglinda, double stangaMm, double susMm, bool proba = false) const
    {
        PrintAllAreas(imprimanta, oglinda, TCorectiePagina(stangaMm, susMm), proba);
    }

    // While the definition is being loaded the areas do not recompute their geometry.
    bool SeIncarca() const { return m_seIncarca; }
    void SetSeIncarca(bool seIncarca) { m_seIncarca = seIncarca; }

    // The stretched background, kept until the pixel size changes.
    const QPixmap& FundalCache() const { return m_cache; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    template <typename T>
    void SchimbaAspectul(T& camp, const T& valoare)
    {
        camp = valoare;
        RedeseneazaCuArii();
    }
    void RedeseneazaCuArii();
    void ActualizeazaFundalul();

    double m_zoom = 100;
    double m_latime = 10;
    double m_inaltime = 10;
    bool m_transparent = true;
    bool m_border = false;
    bool m_baseLine1 = false;
    bool m_baseLine2 = false;
    bool m_topLine1 = false;
    bool m_topLine2 = false;
    QColor m_baseLine1Color = Qt::red;
    QColor m_baseLine2Color = Qt::blue;
    QColor m_topLine1Color = Qt::red;
    QColor m_topLine2Color = Qt::blue;
    double m_baseLine2Delta = 1.0;
    double m_topLine1Delta = 1.0;
    QImage m_bkImage;
    QString m_denumire;
    double m_deltaStanga = 0;
    double m_deltaSus = 0;
    bool m_seIncarca = false;
    QPixmap m_cache;
};
