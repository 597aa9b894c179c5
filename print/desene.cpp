#include "print/desene.h"

#include <QPainter>
#include <QPainterPath>

QPolygonF PoligonSageata(const QRectF& loc, bool inSus, qreal proportieVarf)
{
    const qreal mijloc = loc.center().x();
    const qreal jumatateCoada = loc.width() * 0.2;
    const qreal inaltimeVarf = loc.height() * proportieVarf;
    // Drawn pointing up, then mirrored about the middle line when it must point down.
    QPolygonF sageata{{mijloc, loc.top()},
                      {loc.right(), loc.top() + inaltimeVarf},
                      {mijloc + jumatateCoada, loc.top() + inaltimeVarf},
                      {mijloc + jumatateCoada, loc.bottom()},
                      {mijloc - jumatateCoada, loc.bottom()},
                      {mijloc - jumatateCoada, loc.top() + inaltimeVarf},
                      {loc.left(), loc.top() + inaltimeVarf}};
    if (!inSus)
        for (QPointF& punct : sageata)
            punct.setY(loc.top() + loc.bottom() - punct.y());
    return sageata;
}

void DeseneazaSageataPlina(QPainter& pictor, const QRectF& loc, bool inSus, const QColor& culoare)
{
    pictor.save();
    pictor.setPen(QPen(Qt::black, 1));
    pictor.setBrush(culoare);
    pictor.drawPolygon(PoligonSageata(loc, inSus));
    pictor.restore();
}

void DeseneazaCoala(QPainter& pictor, const QRectF& loc)
{
    pictor.save();
    pictor.setPen(QPen(Qt::black, 1));
    pictor.setBrush(Qt::white);
    pictor.drawRect(loc);
    pictor.restore();
}

void DeseneazaImprimanta(QPainter& pictor, const QRectF& corp)
{
    pictor.save();
    pictor.setPen(QPen(Qt::black, 1.5));
    pictor.setBrush(QColor(200, 200, 210));
    pictor.drawRoundedRect(corp, 6, 6);
    const QRectF fanta(corp.left() + corp.width() * 0.15, corp.top() + corp.height() * 0.55, corp.width() * 0.7,
                       corp.height() * 0.12);
    pictor.setBrush(QColor(60, 60, 70));
    pictor.drawRect(fanta);
    pictor.setBrush(QColor(90, 200, 90));
    pictor.drawEllipse(QRectF(corp.right() - corp.width() * 0.12, corp.top() + corp.height() * 0.2, 6, 6));
    pictor.restore();
}

void HasureazaPoligon(QPainter& pictor, const QPolygonF& forma, qreal distanta)
{
    const QRectF margini = forma.boundingRect();
    QPainterPath cale;
    cale.addPolygon(forma);
    pictor.save();
    pictor.setClipPath(cale, Qt::IntersectClip);
    for (qreal x = margini.left() - margini.height(); x < margini.right(); x += distanta)
        pictor.drawLine(QPointF(x, margini.bottom()), QPointF(x + margini.height(), margini.top()));
    pictor.restore();
}
