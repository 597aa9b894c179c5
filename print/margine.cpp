#include "print/margine.h"

#include "print/numarzecimal.h"

#include <cmath>

bool MargineAcceptata(double mm)
{
    return std::isfinite(mm) && std::fabs(mm) <= MargineMaximaMm;
}

QString MotivMargineRefuzata()
{
    return QStringLiteral("Marginea trebuie sa fie un numar de milimetri intre %1 si %2.")
        .arg(TextZecimal(-MargineMaximaMm), TextZecimal(MargineMaximaMm));
}

std::optional<double> CitesteMargine(const QString& text)
{
    const double mm = CitesteZecimal(text);
    if (!MargineAcceptata(mm))
        return std::nullopt;
    return mm;
}
