#include "base/multimi.h"

std::optional<TTipNota> TipNotaDinText(const QString& denumire3)
{
    const QString tip = denumire3.trimmed().toUpper();
    if (tip == QLatin1String("NOTA_DIPLOMA"))
        return TipNotaDiploma;
    if (tip == QLatin1String("NOTA_COTOR"))
        return TipNotaCotor;
    if (tip == QLatin1String("MEDIE_DIPLOMA"))
        return TipMedieDiploma;
    if (tip == QLatin1String("MEDIE_COTOR"))
        return TipMedieCotor;
    return std::nullopt;
}
