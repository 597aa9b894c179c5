#include "app/pictograma.h"

QIcon PictogramaProgram()
{
    // The resource lives in a static library: nothing would make the linker keep it.
    static const bool incarcata = [] {
        Q_INIT_RESOURCE(pictograme);
        return true;
    }();
    Q_UNUSED(incarcata);
    QIcon pictograma;
    pictograma.addFile(QStringLiteral(":/pictograme/pravent-48.png"));
    pictograma.addFile(QStringLiteral(":/pictograme/pravent-128.png"));
    return pictograma;
}
