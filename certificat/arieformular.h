#pragma once

#include "certificat/paginaumpluta.h"

#include <QStringList>

class TFontFormular;
struct TParticularizareTextArea;

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

// One text area of a form page in the model: its rectangle in millimetres, its named font,
// where it takes its value from (Denumire1..3 and the source description) and what filling
// put in it. No widget: TFormularTextArea is the widget that shows one in the preview.
struct TArieFormular {
    // The order of the values is the one stored with the definitions.
    enum TAliniere { Stanga = 0, Dreapta = 1, Centru = 2 };

    QString Nume; // FormularTextArea<n>
    double TopMm = 0;
    double LeftMm = 0;
    double WidthMm = 0;
    double HeightMm = 0;
    QString Text;
    TFontFormular* Font = nullptr;
    double ZoomLock = 0;
    TAliniere Aliniere = Stanga;
    QString Denumire1;
    QString Denumire2;
    QString Denumire3;
    QStringList SursaText;
    // The mark writer hides the lower area of a pair it does not use.
    bool Vizibila = true;
    // The designed vertical position kept by the mark writer the first time the area shows
    // a mark, so that later layouts always start from it.
    bool TopInitialPastrat = false;
    double TopInitial = 0;

    void PastreazaPozitiaInitiala();
    // Text, font, alignment, weight, slant, face and shifts after an override record.
    TAspectEfectiv AspectEfectiv(const TParticularizareTextArea* particularizare) const;
    // What the area shows, as the renderer draws it.
    TArieUmpluta ArieUmpluta(const TParticularizareTextArea* particularizare) const;
};
