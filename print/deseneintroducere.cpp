#include "print/deseneintroducere.h"

#include "print/desene.h"

#include <QPainter>

namespace {

const QSize MarimeCoala(150, 212);

void DeseneazaCotor(QPainter& pictor, const QRectF& coala)
{
    const qreal linie = coala.top() + coala.height() * 0.3;
    pictor.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    pictor.drawLine(QPointF(coala.left(), linie), QPointF(coala.right(), linie));
    pictor.setPen(Qt::black);
    pictor.drawText(QRectF(coala.left(), coala.top(), coala.width(), linie - coala.top()), Qt::AlignCenter,
                    QStringLiteral("COTOR"));
}

// The front shows the emblem, the back the table of marks.
void DeseneazaParteaDiplomei(QPainter& pictor, const QRectF& diploma, bool fata)
{
    pictor.setPen(Qt::black);
    QFont font = pictor.font();
    font.setBold(true);
    pictor.setFont(font);
    pictor.drawText(QRectF(diploma.left(), diploma.top() + 6, diploma.width(), 20), Qt::AlignCenter,
                    fata ? QStringLiteral("FATA") : QStringLiteral("VERSO"));
    const QPointF centru(diploma.center().x(), diploma.top() + 62);
    if (fata) {
        pictor.setBrush(QColor(220, 200, 120));
        pictor.drawEllipse(centru, 18, 18);
    } else {
        pictor.setBrush(Qt::NoBrush);
        for (int rand = 0; rand < 4; ++rand)
            pictor.drawRect(QRectF(centru.x() - 40, centru.y() - 24 + rand * 12, 80, 12));
    }
    pictor.setPen(QPen(Qt::lightGray, 2));
    for (int rand = 0; rand < 4; ++rand) {
        const qreal y = diploma.top() + 96 + rand * 12;
        pictor.drawLine(QPointF(diploma.left() + 16, y), QPointF(diploma.right() - 16, y));
    }
}

} // namespace

QPixmap ImagineCoala(int numar)
{
    QPixmap imagine(MarimeCoala);
    imagine.fill(Qt::transparent);
    QPainter pictor(&imagine);
    pictor.setRenderHint(QPainter::Antialiasing);
    if (numar > 2) {
        pictor.translate(MarimeCoala.width(), MarimeCoala.height());
        pictor.rotate(180);
    }
    const QRectF coala(1, 1, MarimeCoala.width() - 2, MarimeCoala.height() - 2);
    DeseneazaCoala(pictor, coala);
    DeseneazaCotor(pictor, coala);
    DeseneazaParteaDiplomei(pictor, coala.adjusted(0, coala.height() * 0.3, 0, 0), numar % 2 == 1);
    return imagine;
}

QPixmap SageataRosie(bool inJos)
{
    QPixmap imagine(28, 32);
    imagine.fill(Qt::transparent);
    QPainter pictor(&imagine);
    pictor.setRenderHint(QPainter::Antialiasing);
    DeseneazaSageataPlina(pictor, QRectF(2, 2, 24, 28), !inJos, Qt::red);
    return imagine;
}
