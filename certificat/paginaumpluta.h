#pragma once

#include <QList>
#include <QString>
#include <Qt>

// What one text area of a form page shows once filled and its override applied: where it
// lies in millimetres, its text and the font it asks for. No widget, no database: every
// output (screen, printer, PDF) draws from this.
struct TArieUmpluta {
    double StangaMm = 0;
    double SusMm = 0;
    double LatimeMm = 0;
    double InaltimeMm = 0;
    QString Text;
    bool AreFont = false; // without a font the area draws no text
    double MarimeFontMm = 0; // the height of the font cell
    QString Fata;
    int Greutate = 400;
    bool Italic = false;
    int CharSet = 238;
    Qt::Alignment Aliniere = Qt::AlignLeft;
    int DeplasareOrizontala = 0; // half millimetres, -1, 0 or +1
    int DeplasareVerticala = 0;
    bool Vizibila = true;

    // Where the text goes: the designed place moved by the half-millimetre shifts.
    double StangaTextMm() const { return StangaMm + 0.5 * DeplasareOrizontala; }
    double SusTextMm() const { return SusMm + 0.5 * DeplasareVerticala; }
};

// A filled form page: its size, its own corrections and its areas in drawing order.
struct TPaginaUmpluta {
    double LatimeMm = 0;
    double InaltimeMm = 0;
    double DeltaStanga = 0;
    double DeltaSus = 0;
    QList<TArieUmpluta> Arii;
};
