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

QString TitluDocument(int indexPagina)
{
    return indexPagina == 0 ? QStringLiteral("Diploma de examen national - fata")
                            : QStringLiteral("Diploma de examen national - verso");
}

void Tipareste(TFormularDePrintat& pagina, int indexPagina)
{
    if (!ImprimantaConfigurata()) {
        Prompt().Informatie(QStringLiteral("Configureaza imprimanta"));
        return;
    }
    // Held for the whole job: the prompt records the mirror choice in it, and releasing it
    // writes everything back, also when the user gives up or printing fails.
    TAllStuffReg setari;
    const bool fata = indexPagina == 0;
    double& stanga = fata ? setari.MargineStangaFata : setari.MargineStangaVerso;
    double& sus = fata ? setari.MargineSusFata : setari.MargineSusVerso;
    bool oglindaFata = false;
    bool oglindaVerso = false;
    // The margins change only when the user answers OK.
    if (AskForPaper(indexPagina, stanga, sus, oglindaFata, oglindaVerso) != QDialog::Accepted)
        return;
    const std::unique_ptr<TDocumentTiparit> document = TDocumentTiparit::Incepe(TitluDocument(indexPagina), false);
    if (!document)
        return;
    TImprimantaQt imprimanta(document->Imprimanta(), document->Pictor());
    pagina.PrintAllAreas(imprimanta, fata ? oglindaFata : oglindaVerso, stanga, sus);
    document->Incheie();
}

} // namespace

void TiparesteDiploma(TFormularDePrintat& pagina, int indexPagina)
{
    RuleazaCuEroare([&] { Tipareste(pagina, indexPagina); });
}
