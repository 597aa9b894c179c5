#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// A font asked for by the height of its cell (ascent + descent) in device pixels.
struct TCerereFont {
    QString Fata;
    int InaltimeCelula = 0;
    int Greutate = 400; // 400 normal, 700 bold
    bool Italic = false;
    int CharSet = 238;
    int Escapement = 0; // tenths of a degree; 1800 turns the text upside down

    bool operator==(const TCerereFont& alta) const;
};

// Where text areas draw their text: the screen or a printer page.
class TSuprafataText {
public:
    virtual ~TSuprafataText() = default;
    // Makes a font of this cell height the current one.
    virtual void CreeazaFont(const TCerereFont& cerere) = 0;
    // Width and height of a text in the current font.
    virtual QSize MasoaraText(const QString& text) = 0;
    // Descent of the current font below its base line.
    virtual int Coborare() = 0;
    // Draws a text whose cell has its top-left corner at the origin (for a text turned by
    // 180 degrees the cell is turned about that point), clipped to a rectangle.
    virtual void ScrieText(const QPoint& origine, const QRect& decupare, const QString& text) = 0;
};
