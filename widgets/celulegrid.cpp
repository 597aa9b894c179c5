#include "widgets/celulegrid.h"

#include <algorithm>

void TBrvListaCeluleGrid::Evidentiaza(int coloana, int rand)
{
    for (TBrvCelulaGrid& celula : m_celule)
        if (celula.Coloana == coloana && celula.Rand == rand) {
            celula.Intensitate = IntensitateMaxima;
            return;
        }
    m_celule.append({coloana, rand, IntensitateMaxima});
}

QList<TBrvCelulaGrid> TBrvListaCeluleGrid::Tic(const std::function<bool(const TBrvCelulaGrid&)>& subMouse)
{
    QList<TBrvCelulaGrid> schimbate;
    for (auto it = m_celule.begin(); it != m_celule.end();) {
        if (subMouse(*it)) {
            it->Intensitate = IntensitateMaxima;
            ++it;
            continue;
        }
        it->Intensitate -= PierdereLaTic;
        schimbate.append(*it);
        if (it->Intensitate <= 0)
            it = m_celule.erase(it);
        else
            ++it;
    }
    return schimbate;
}

int TBrvListaCeluleGrid::Intensitate(int coloana, int rand) const
{
    for (const TBrvCelulaGrid& celula : m_celule)
        if (celula.Coloana == coloana && celula.Rand == rand)
            return celula.Intensitate;
    return 0;
}

QColor CuloareEvidentiata(const QColor& fundal, int intensitate)
{
    if (intensitate <= 1)
        return fundal;
    const int pas = std::min(intensitate, TBrvListaCeluleGrid::IntensitateMaxima) - 1;
    const QColor inchis(std::max(0, fundal.red() - 20), std::max(0, fundal.green() - 20), fundal.blue());
    const QColor a = fundal.toHsl();
    const QColor b = inchis.toHsl();
    // A grey has no hue of its own: it takes the other end's.
    const qreal nuantaA = a.hslHueF() < 0 ? std::max<qreal>(0, b.hslHueF()) : a.hslHueF();
    const qreal nuantaB = b.hslHueF() < 0 ? nuantaA : b.hslHueF();
    const qreal k = pas / 10.0;
    auto amesteca = [k](qreal x, qreal y) { return (1 - k) * x + k * y; };
    return QColor::fromHslF(amesteca(nuantaA, nuantaB), amesteca(a.hslSaturationF(), b.hslSaturationF()),
                            amesteca(a.lightnessF(), b.lightnessF()))
        .toRgb();
}
