#include "print/desenecalibrare.h"

#include "print/desene.h"

#include <QPainter>

namespace {

const QColor CuloareSageata(30, 60, 200);

template <typename Desen>
QPixmap Deseneaza(const QSize& marime, Desen&& desen)
{
    QPixmap imagine(marime);
    imagine.fill(Qt::transparent);
    QPainter pictor(&imagine);
    pictor.setRenderHint(QPainter::Antialiasing);
    desen(pictor);
    return imagine;
}

void CoalaCuSageata(QPainter& pictor, const QRectF& coala, bool inSus)
{
    DeseneazaCoala(pictor, coala);
    const QRectF loc = coala.adjusted(coala.width() * 0.3, coala.height() * 0.15, -coala.width() * 0.3,
                                      -coala.height() * 0.15);
    DeseneazaSageataPlina(pictor, loc, inSus, CuloareSageata);
}

// The printer at the bottom right, the sheet where the mode wants it.
void ReintroducereDeSus(QPainter& pictor)
{
    CoalaCuSageata(pictor, QRectF(55, 4, 50, 70), false);
    DeseneazaImprimanta(pictor, QRectF(20, 60, 120, 60));
}

void ReintroducereFrontala(QPainter& pictor)
{
    DeseneazaImprimanta(pictor, QRectF(20, 10, 120, 60));
    CoalaCuSageata(pictor, QRectF(55, 60, 50, 70), true);
}

void ReintroducereAlaturi(QPainter& pictor, bool inSus)
{
    CoalaCuSageata(pictor, QRectF(8, 30, 50, 70), inSus);
    DeseneazaImprimanta(pictor, QRectF(70, 45, 84, 55));
}

} // namespace

QPixmap ImagineAntetCalibrare()
{
    return Deseneaza({64, 52}, [](QPainter& pictor) {
        DeseneazaCoala(pictor, QRectF(18, 2, 28, 30));
        DeseneazaImprimanta(pictor, QRectF(4, 20, 56, 30));
    });
}

QPixmap ImagineModAlimentare(TModAlimentare mod)
{
    return Deseneaza({96, 72}, [mod](QPainter& pictor) {
        const QRectF corp(8, 30, 80, 36);
        if (mod == TModAlimentare::PrinSus)
            DeseneazaCoala(pictor, QRectF(26, 2, 44, 40));
        DeseneazaImprimanta(pictor, corp);
        if (mod == TModAlimentare::Frontal)
            DeseneazaCoala(pictor, QRectF(22, 52, 52, 18));
        if (mod == TModAlimentare::CasetaInversata || mod == TModAlimentare::CasetaNormala) {
            pictor.setBrush(QColor(150, 150, 160));
            pictor.drawRect(QRectF(16, 58, 64, 8));
        }
    });
}

QPixmap PictogramaHartie(bool pozitieNormala)
{
    return Deseneaza({36, 48}, [pozitieNormala](QPainter& pictor) {
        CoalaCuSageata(pictor, QRectF(2, 2, 32, 44), pozitieNormala);
    });
}

QPixmap ImagineReintroducere(TModAlimentare modAlimentare)
{
    return Deseneaza({160, 136}, [modAlimentare](QPainter& pictor) {
        switch (modAlimentare) {
        case TModAlimentare::PrinSus:
            ReintroducereDeSus(pictor);
            break;
        case TModAlimentare::Frontal:
            ReintroducereFrontala(pictor);
            break;
        default:
            ReintroducereAlaturi(pictor, modAlimentare == TModAlimentare::CasetaNormala);
            break;
        }
    });
}

QPixmap ImaginePozitieLinii(bool orizontalaJos, bool verticalaDreapta)
{
    return Deseneaza({40, 54}, [orizontalaJos, verticalaDreapta](QPainter& pictor) {
        const QRectF coala(2, 2, 36, 50);
        DeseneazaCoala(pictor, coala);
        const QRectF linii = coala.adjusted(7, 7, -7, -7);
        pictor.setPen(QPen(Qt::black, 2));
        const qreal y = orizontalaJos ? linii.bottom() : linii.top();
        const qreal x = verticalaDreapta ? linii.right() : linii.left();
        pictor.drawLine(QPointF(linii.left(), y), QPointF(linii.right(), y));
        pictor.drawLine(QPointF(x, linii.top()), QPointF(x, linii.bottom()));
    });
}

namespace {

void Cruce(QPainter& pictor, const QPointF& centru)
{
    pictor.setPen(QPen(Qt::black, 1.5));
    pictor.drawLine(centru - QPointF(7, 0), centru + QPointF(7, 0));
    pictor.drawLine(centru - QPointF(0, 7), centru + QPointF(0, 7));
}

// A measured distance: a red line with a head at its far end and its name beside it.
void Cota(QPainter& pictor, const QPointF& de, const QPointF& la, const QString& nume)
{
    pictor.setPen(QPen(QColor(200, 30, 30), 1.5, Qt::DashLine));
    pictor.drawLine(de, la);
    const QPointF directie = (la - de) / QLineF(de, la).length();
    const QPointF normala(-directie.y(), directie.x());
    pictor.setPen(QPen(QColor(200, 30, 30), 1.5));
    pictor.drawLine(la, la - directie * 6 + normala * 3);
    pictor.drawLine(la, la - directie * 6 - normala * 3);
    pictor.setPen(QColor(200, 30, 30));
    pictor.drawText((de + la) / 2 + normala * 9 + QPointF(-6, 4), nume);
}

} // namespace

QPixmap ImagineMasurare()
{
    return Deseneaza({200, 144}, [](QPainter& pictor) {
        const QRectF coala(4, 4, 192, 136);
        DeseneazaCoala(pictor, coala);
        const QPointF a(coala.left() + 30, coala.top() + 30);
        const QPointF b(coala.right() - 30, coala.bottom() - 30);
        Cruce(pictor, a);
        Cruce(pictor, b);
        pictor.setPen(Qt::black);
        pictor.drawText(a + QPointF(10, 14), QStringLiteral("A"));
        pictor.drawText(b + QPointF(-20, -8), QStringLiteral("B"));
        Cota(pictor, QPointF(coala.left(), a.y()), a, QStringLiteral("X1"));
        Cota(pictor, QPointF(a.x(), coala.top()), a, QStringLiteral("Y1"));
        Cota(pictor, QPointF(coala.left(), b.y()), b, QStringLiteral("X2"));
        Cota(pictor, QPointF(b.x(), coala.top()), b, QStringLiteral("Y2"));
    });
}
