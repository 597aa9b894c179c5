#include "base/versiune.h"

TVersiune ParseazaVersiune(const QString& versiuneFisier)
{
    const QString indisponibil = QStringLiteral("<info not available>");
    QChar separator('.');
    if (!versiuneFisier.contains(separator)) {
        separator = ',';
        if (!versiuneFisier.contains(separator))
            return {indisponibil, indisponibil, indisponibil, indisponibil};
    }
    TVersiune v;
    QString rest = versiuneFisier;
    QString* parti[] = {&v.Major, &v.Minor, &v.Release};
    for (QString* parte : parti) {
        const int poz = rest.indexOf(separator);
        if (poz < 0)
            break;
        *parte = rest.left(poz);
        rest = rest.mid(poz + 1);
    }
    v.Build = rest;
    return v;
}

QString VersiuneProgram()
{
    return ParseazaVersiune(QStringLiteral(PRAVENT_VERSION)).Text();
}

QString NumeProgram()
{
    return QStringLiteral("Pravent 2006");
}

QString NumeSiVersiuneProgram()
{
    return NumeProgram() + QLatin1Char(' ') + VersiuneProgram();
}
