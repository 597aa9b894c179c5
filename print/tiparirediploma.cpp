#include "print/tiparirediploma.h"

#include "base/userprompt.h"
#include "forms/formulardeprintat.h"
#include "forms/imprimantaqt.h"
#include "print/documenttiparit.h"
#include "print/lucraretiparire.h"

bool TiparesteDiploma(TFormularDePrintat& pagina, TPaginaCertificat parte, bool proba,
                      const std::function<void()>& inainte)
{
    bool tiparita = false;
    RuleazaCuEroare([&] {
        RuleazaLucrareaDeTiparire(parte, 0, [&](const TPaginaDeTiparit& p) {
            const std::unique_ptr<TDocumentTiparit> document = TDocumentTiparit::Incepe(TitluDocument({parte}), false);
            if (!document)
                return;
            if (inainte)
                inainte();
            TImprimantaQt imprimanta(document->Imprimanta(), document->Pictor());
            pagina.PrintAllAreas(imprimanta, p.Oglinda, p.Corectie(), proba);
            document->Incheie();
            tiparita = true;
        });
    });
    return tiparita;
}
