#include "certificat/potrivirefont.h"

TTextPotrivit PotrivesteTextul(TSuprafataText& suprafata, TCerereFont cerere, const QString& text, int latime)
{
    for (;;) {
        suprafata.CreeazaFont(cerere);
        const QSize marime = suprafata.MasoaraText(text);
        if (latime >= marime.width() || cerere.InaltimeCelula - 1 < 2)
            return {cerere.InaltimeCelula, marime};
        --cerere.InaltimeCelula;
    }
}
