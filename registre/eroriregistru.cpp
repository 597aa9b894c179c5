#include "registre/eroriregistru.h"

namespace EroriRegistru {

EEroare Lipsa(const QString& cale)
{
    return EEroare(QStringLiteral("Fisierul \"%1\" nu exista.").arg(cale));
}

EEroare Necitibil(const QString& cale)
{
    return EEroare(QStringLiteral("Fisierul \"%1\" nu poate fi citit.").arg(cale));
}

EEroare NuEsteFisier(const QString& cale)
{
    return EEroare(QStringLiteral("\"%1\" nu este un fisier obisnuit (ci un dispozitiv sau o conducta) si nu "
                                  "poate fi citit ca foaie de calcul.")
                       .arg(cale));
}

EEroare Necunoscut(const QString& numeFisier)
{
    return EEroare(QStringLiteral("Fisierul \"%1\" nu este o foaie de calcul cunoscuta "
                                  "(.xls, .xlsx, .xlsm, .ods sau .csv).")
                       .arg(numeFisier));
}

EEroare Deteriorat(const QString& numeFisier)
{
    return EEroare(QStringLiteral("Fisierul \"%1\" este deteriorat sau incomplet si nu poate fi citit.").arg(numeFisier));
}

EEroare Parola(const QString& numeFisier)
{
    return EEroare(QStringLiteral("Fisierul \"%1\" este protejat cu parola. Salvati-l fara parola "
                                  "si incercati din nou.")
                       .arg(numeFisier));
}

EEroare Excel95(const QString& numeFisier)
{
    return EEroare(QStringLiteral("Fisierul \"%1\" este in formatul Excel 95 sau mai vechi. Salvati-l ca "
                                  "\"Excel 97-2003\" (.xls) sau .xlsx si incercati din nou.")
                       .arg(numeFisier));
}

EEroare PreaMare(const QString& numeFisier)
{
    return EEroare(QStringLiteral("Fisierul \"%1\" este prea mare pentru a fi citit.").arg(numeFisier));
}

EEroare FaraFoaie(const QString& numeFoaie)
{
    return EEroare(QStringLiteral("Registrul nu are foaia de calcul \"%1\".").arg(numeFoaie));
}

EEroare FaraFoi(const QString& numeFisier)
{
    return EEroare(QStringLiteral("Fisierul \"%1\" nu are nicio foaie de calcul.").arg(numeFisier));
}

} // namespace EroriRegistru
