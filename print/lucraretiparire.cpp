#include "print/lucraretiparire.h"

#include "base/userprompt.h"
#include "print/allstuffreg.h"
#include "print/insertpaperform.h"

#include <QDialog>

bool ImprimantaPregatita()
{
    if (TAllStuffReg().ImprimantaConfigurata)
        return true;
    Prompt().Informatie(QStringLiteral("Configureaza imprimanta"));
    return false;
}

void RuleazaLucrareaDeTiparire(TPaginaCertificat parte, int diplome,
                               const std::function<void(const TPaginaDeTiparit&)>& tipareste)
{
    if (!ImprimantaPregatita())
        return;
    // Held for the whole job: the prompt records the mirror choice in it, and releasing it
    // writes everything back, also when the user gives up or printing fails.
    TAllStuffReg setari;
    double& stanga = setari.MargineStanga(parte);
    double& sus = setari.MargineSus(parte);
    bool oglindaFata = false;
    bool oglindaVerso = false;
    // The margins change only when the user answers OK.
    if (AskForPaper(IndexPagina(parte), stanga, sus, oglindaFata, oglindaVerso, diplome) != QDialog::Accepted)
        return;
    // A measurement made from the prompt changed the scale too.
    const TCorectiePagina corectie = setari.Corectie(parte);
    tipareste({parte, stanga, sus, parte == TPaginaCertificat::Fata ? oglindaFata : oglindaVerso, false,
               corectie.ScaraX(), corectie.ScaraY()});
}
