#include "print/tiparirediploma.h"

#include "base/userprompt.h"
#include "forms/formulardeprintat.h"
#include "forms/imprimantaqt.h"
#include "print/allstuffreg.h"
#include "print/documenttiparit.h"
#include "print/insertpaperform.h"

#include <QDialog>

namespace {

bool ImprimantaConfigurata()
{
    const TAllStuffReg setari;
    return setari.ImprimantaConfigurata;
}

void Tipareste(TFormularDePrintat& pagina, TPaginaCertificat parte)
{
    if (!ImprimantaConfigurata()) {
        Prompt().Informatie(QStringLiteral("Configureaza imprimanta"));
        return;
    }
    // Held for the whole job: the prompt records the mirror choice in it, and releasing it
    // writes everything back, also when the user gives up or printing fails.
    TAllStuffReg setari;
    double& stanga = setari.MargineStanga(parte);
    double& sus = setari.MargineSus(parte);
    bool oglindaFata = false;
    bool oglindaVerso = false;
    // The margins change only when the user answers OK.
    if (AskForPaper(IndexPagina(parte), stanga, sus, oglindaFata, oglindaVerso) != QDialog::Accepted)
        return;
    const std::unique_ptr<TDocumentTiparit> document = TDocumentTiparit::Incepe(TitluDocument({parte}), false);
    if (!document)
        return;
    TImprimantaQt imprimanta(document->Imprimanta(), document->Pictor());
    pagina.PrintAllAreas(imprimanta, parte == TPaginaCertificat::Fata ? oglindaFata : oglindaVerso, stanga, sus);
}

} // namespace

void TiparesteDiploma(TFormularDePrintat& pagina, TPaginaCertificat parte)
{
    RuleazaCuEroare([&] { Tipareste(pagina, parte); });
}
