#include "app/traducereqt.h"

#include <QCoreApplication>
#include <QTranslator>

void InstaleazaTraducereaQt(QCoreApplication& aplicatie)
{
    // The resource lives in a static library: nothing else would make the linker keep it.
    Q_INIT_RESOURCE(traduceri);
    auto* traducere = new QTranslator(&aplicatie);
    if (traducere->load(QStringLiteral(":/traduceri/qt_ro.qm")))
        QCoreApplication::installTranslator(traducere);
    else
        delete traducere;
}
