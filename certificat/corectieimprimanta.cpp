#include "certificat/corectieimprimanta.h"

#include "base/eroare.h"

#include <cmath>

TCorectiePagina::TCorectiePagina(double stangaMm, double susMm, double scaraX, double scaraY)
    : m_stangaMm(stangaMm), m_susMm(susMm), m_scaraX(scaraX), m_scaraY(scaraY)
{
}

TCorectiePagina TCorectiePagina::Anuleaza(const TMasuratoareImprimanta& masuratoare)
{
    // 0 - x: a zero offset makes a margin of 0, not -0.
    return {0.0 - masuratoare.X.DeplasareMm, 0.0 - masuratoare.Y.DeplasareMm, masuratoare.X.Scara,
            masuratoare.Y.Scara};
}

TCorectiePagina TCorectiePagina::Deplasata(double stangaMm, double susMm) const
{
    return {m_stangaMm + stangaMm, m_susMm + susMm, m_scaraX, m_scaraY};
}

// Each edge on its own: a scale of 1 leaves every sum as it was, to the last bit.
QRectF TCorectiePagina::Ceruta(const QRectF& proiectata) const
{
    const double stanga = (proiectata.left() + m_stangaMm) / m_scaraX;
    const double sus = (proiectata.top() + m_susMm) / m_scaraY;
    return {stanga, sus, proiectata.width() / m_scaraX, proiectata.height() / m_scaraY};
}

namespace {

const double ScaraMinima = 0.95;
const double ScaraMaxima = 1.05;

const char* const NumeCitiri[] = {"X1", "Y1", "X2", "Y2"};

QString Mm(double valoare, int zecimale = 1)
{
    return QString::number(valoare, 'f', zecimale).replace(u'.', u',');
}

void CereCitireaPeHartie(const TCitiriCalibrare& citiri, int index, double latura)
{
    const double citire = citiri.at(index);
    if (std::isfinite(citire) && citire >= 0 && citire <= latura)
        return;
    throw EEroare(QStringLiteral("Citirea %1 (%2 mm) iese din foaie, care are %3 mm pe aceasta latura. Masurati de la "
                                 "marginea foii pana la centrul crucii.")
                      .arg(QLatin1String(NumeCitiri[index]), Mm(citire), Mm(latura)));
}

// One axis from the two crosses' designed and read positions.
TAxaImprimanta Axa(double proiectat1, double proiectat2, double citit1, double citit2, const char* numeAxa,
                   double deplasareMaximaMm)
{
    // A ruler reads tenths of a millimetre: finer digits are noise, and the margins shown to
    // the user keep hundredths.
    TAxaImprimanta axa;
    axa.Scara = std::round((citit2 - citit1) / (proiectat2 - proiectat1) * 1e6) / 1e6;
    axa.DeplasareMm = std::round((citit1 - axa.Scara * proiectat1) * 100) / 100;
    if (!(axa.Scara >= ScaraMinima && axa.Scara <= ScaraMaxima))
        throw EEroare(QStringLiteral("Citirile dau o scara de %1 % pe %2; o imprimanta nu se abate atat (se accepta "
                                     "intre %3 % si %4 %). Verificati citirile: intai crucea A, apoi crucea B.")
                          .arg(Mm(axa.Scara * 100, 2), QString::fromUtf8(numeAxa), Mm(ScaraMinima * 100, 0),
                               Mm(ScaraMaxima * 100, 0)));
    if (std::fabs(axa.DeplasareMm) > deplasareMaximaMm)
        throw EEroare(QStringLiteral("Citirile dau o deplasare de %1 mm pe %2, mai mult decat %3 mm. Verificati "
                                     "citirile.")
                          .arg(Mm(axa.DeplasareMm), QString::fromUtf8(numeAxa), Mm(deplasareMaximaMm)));
    return axa;
}

} // namespace

TMasuratoareImprimanta CalculeazaMasuratoarea(const TCitiriCalibrare& citiri, const QPointF& cruce1,
                                              const QPointF& cruce2, const QSizeF& hartie,
                                              double deplasareMaximaMm)
{
    for (int i = 0; i < 4; ++i)
        CereCitireaPeHartie(citiri, i, i % 2 == 0 ? hartie.width() : hartie.height());
    return {Axa(cruce1.x(), cruce2.x(), citiri[0], citiri[2], "orizontala", deplasareMaximaMm),
            Axa(cruce1.y(), cruce2.y(), citiri[1], citiri[3], "verticala", deplasareMaximaMm)};
}
