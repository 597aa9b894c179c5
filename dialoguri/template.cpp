#include "dialoguri/template.h"

#include <QGuiApplication>
#include <QScreen>

TTemplate::TTemplate(QWidget* parent) : QDialog(parent)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    setFont(font);
    CentreazaPeEcranulPrincipal();
}

void TTemplate::CentreazaPeEcranulPrincipal()
{
    const QScreen* ecran = QGuiApplication::primaryScreen();
    if (!ecran)
        return;
    const QRect zona = ecran->availableGeometry();
    move(zona.left() + (zona.width() - width()) / 2, zona.top() + (zona.height() - height()) / 2);
}
