#include "dialoguri/centreazafereastra.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QPoint PozitieCentrata(const QRect& zonaLucru, const QSize& marime)
{
    // C++ integer division truncates toward zero, as the placement rule asks.
    int left = zonaLucru.left() + (zonaLucru.width() - marime.width()) / 2;
    int top = zonaLucru.top() + (zonaLucru.height() - marime.height()) / 2;
    if (left < zonaLucru.left())
        left = zonaLucru.left();
    if (top < zonaLucru.top())
        top = zonaLucru.top();
    return {left, top};
}

QRect ZonaLucruSubMouse()
{
    QScreen* ecran = QGuiApplication::screenAt(QCursor::pos());
    if (!ecran)
        ecran = QGuiApplication::primaryScreen();
    return ecran ? ecran->availableGeometry() : QRect();
}

void CentreazaFereastra(QWidget* fereastra)
{
    fereastra->move(PozitieCentrata(ZonaLucruSubMouse(), fereastra->frameGeometry().size()));
}
