#include "certificat/fontcelula.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <cmath>

bool TCerereFont::operator==(const TCerereFont& alta) const
{
    return Fata == alta.Fata && InaltimeCelula == alta.InaltimeCelula && Greutate == alta.Greutate
        && Italic == alta.Italic && CharSet == alta.CharSet && Escapement == alta.Escapement;
}

namespace {

const int MarimeReferinta = 1000;

QFont FontDeBaza(const TCerereFont& cerere)
{
    QFont font(cerere.Fata);
    font.setWeight(cerere.Greutate >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(cerere.Italic);
    // Print and screen must place glyphs alike: no hinting to the screen's pixel grid.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

// Cell height per pixel of em size of a face, measured once.
double RaportCelula(const TCerereFont& cerere)
{
    static QHash<QString, double> rapoarte;
    const QString cheie = cerere.Fata + QLatin1Char('/') + QString::number(cerere.Greutate) + QLatin1Char('/')
        + QString::number(cerere.Italic);
    auto gasit = rapoarte.constFind(cheie);
    if (gasit != rapoarte.constEnd())
        return *gasit;
    QFont font = FontDeBaza(cerere);
    font.setPixelSize(MarimeReferinta);
    const QFontMetricsF metrici(font);
    const double raport = (metrici.ascent() + metrici.descent()) / MarimeReferinta;
    rapoarte.insert(cheie, raport);
    return raport;
}

} // namespace

QFont FontDupaCerere(const TCerereFont& cerere)
{
    QFont font = FontDeBaza(cerere);
    const int celula = std::max(1, cerere.InaltimeCelula);
    font.setPixelSize(std::max(1, static_cast<int>(std::floor(celula / RaportCelula(cerere)))));
    return font;
}

void ScrieTextPeQPainter(QPainter& painter, int escapement, const QPoint& origine, const QRect& decupare,
                         const QString& text)
{
    painter.save();
    painter.setClipRect(decupare);
    painter.translate(origine);
    painter.rotate(-escapement / 10.0);
    painter.drawText(QPointF(0, painter.fontMetrics().ascent()), text);
    painter.restore();
}
