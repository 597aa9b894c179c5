#include "print/imaginitest.h"

#include "print/desene.h"
#include "print/documenttiparit.h"

#include <QPainter>

namespace {

const qreal GrosimeLinie = 5;

// The outline of an arrow; round joins keep the line inside the picture's own size.
QPolygonF ConturSageata(QPainter& pictor, const QRectF& cadru, qreal proportieVarf)
{
    pictor.setPen(QPen(Qt::black, GrosimeLinie, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    pictor.setBrush(Qt::NoBrush);
    const qreal jumatate = GrosimeLinie / 2;
    const QPolygonF sageata = PoligonSageata(cadru.adjusted(jumatate, jumatate, -jumatate, -jumatate), true, proportieVarf);
    pictor.drawPolygon(sageata);
    return sageata;
}

// Its shorter head keeps the whole arrow inside the first one when both sit centred.
void DeseneazaADouaSageata(QPainter& pictor, const QRectF& cadru)
{
    const QPolygonF sageata = ConturSageata(pictor, cadru, 0.4);
    pictor.setPen(QPen(Qt::black, GrosimeLinie / 2));
    HasureazaPoligon(pictor, sageata, 20);
}

// A horizontal line along the top and a vertical one along the left: how the sheet was
// turned shows in where the user finds them.
void DeseneazaLinii(QPainter& pictor, const QRectF& cadru)
{
    pictor.setPen(Qt::NoPen);
    pictor.setBrush(Qt::black);
    pictor.drawRect(QRectF(cadru.left(), cadru.top(), cadru.width(), GrosimeLinie));
    pictor.drawRect(QRectF(cadru.left(), cadru.top(), GrosimeLinie, cadru.height()));
}

} // namespace

QSize MarimeFoaieReferinta()
{
    return {677, 1073};
}

QSize MarimeImagineTest(TFoaieTest foaie)
{
    switch (foaie) {
    case TFoaieTest::PrimaSageata:
        return {344, 661};
    case TFoaieTest::ADouaSageata:
        return {253, 584};
    case TFoaieTest::Linii:
        break;
    }
    return {452, 736};
}

QString TitluFoaieTest(TFoaieTest foaie)
{
    switch (foaie) {
    case TFoaieTest::PrimaSageata:
        return QStringLiteral("Prima sageata");
    case TFoaieTest::ADouaSageata:
        return QStringLiteral("A doua sageata");
    case TFoaieTest::Linii:
        break;
    }
    return QStringLiteral("Liniile orizonala si verticala");
}

QRect LocImagineTest(const QSize& zonaTiparibila, const QSize& imagine)
{
    const QSize referinta = MarimeFoaieReferinta();
    const double lz = zonaTiparibila.width();
    const double iz = zonaTiparibila.height();
    const double x = lz * ((referinta.width() - imagine.width()) / 2) / referinta.width();
    const double y = iz * ((referinta.height() - imagine.height()) / 2) / referinta.height();
    const double l = lz * imagine.width() / referinta.width();
    const double i = iz * imagine.height() / referinta.height();
    const int stanga = static_cast<int>(x);
    const int sus = static_cast<int>(y);
    return QRect(stanga, sus, static_cast<int>(x + l) - stanga, static_cast<int>(y + i) - sus);
}

void DeseneazaImagineTest(QPainter& pictor, TFoaieTest foaie, const QRectF& loc)
{
    const QSize marime = MarimeImagineTest(foaie);
    pictor.save();
    pictor.setRenderHint(QPainter::Antialiasing);
    pictor.translate(loc.topLeft());
    pictor.scale(loc.width() / marime.width(), loc.height() / marime.height());
    const QRectF cadru(QPointF(0, 0), QSizeF(marime));
    switch (foaie) {
    case TFoaieTest::PrimaSageata:
        ConturSageata(pictor, cadru, 0.45);
        break;
    case TFoaieTest::ADouaSageata:
        DeseneazaADouaSageata(pictor, cadru);
        break;
    case TFoaieTest::Linii:
        DeseneazaLinii(pictor, cadru);
        break;
    }
    pictor.restore();
}

bool TiparesteFoaieTest(TFoaieTest foaie)
{
    const std::unique_ptr<TDocumentTiparit> document = TDocumentTiparit::Incepe(TitluFoaieTest(foaie), true);
    if (!document)
        return false;
    const QRect loc = LocImagineTest(document->ZonaTiparibila(), MarimeImagineTest(foaie));
    DeseneazaImagineTest(document->Pictor(), foaie, loc);
    document->Incheie();
    return true;
}
