#include "base/infoglobal2005.h"

QString TInfoGlobal2005::CheieGlobal()
{
    // The year in the key is fixed; it does not follow the calendar.
    return QStringLiteral("%1/Global").arg(2006);
}

TInfoGlobal2005::TInfoGlobal2005() : TBrvRegistryClass(CheieGlobal())
{
    Incarca();
}

TInfoGlobal2005::~TInfoGlobal2005()
{
    Salveaza();
}
