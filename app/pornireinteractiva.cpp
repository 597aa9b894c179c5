#include "app/pornireinteractiva.h"

#include "app/conectareserver.h"
#include "base/userprompt.h"
#include "db/locbazadedate.h"
#include "db/parolaserver.h"

namespace {

// A failed start may offer the dialog when it did not open the server database the settings name.
bool ConectareaDeSchimbat(const TDM& dm)
{
    return !dm.Conectat() && qEnvironmentVariableIsEmpty("PRAVENT_DB") && TSetariServer::Citeste().Folosit();
}

} // namespace

std::unique_ptr<TDM> PornesteModululDeDate(std::function<void()> primulPas, bool& oprita)
{
    InstaleazaCerereaParolei(CerereParolaPrinDialog);
    oprita = false;
    for (;;) {
        auto dm = std::make_unique<TDM>(std::move(primulPas));
        primulPas = {};
        bool dinNou = false;
        RuleazaCuEroare([&dm, &oprita, &dinNou] {
            try {
                dm->DataModuleCreate();
            } catch (const ESablonLipsa& e) {
                oprita = true;
                Prompt().Avertisment(e.Mesaj());
            } catch (const EOprestePornirea&) {
                oprita = true;
                throw;
            } catch (const EEroare& e) {
                if (!ConectareaDeSchimbat(*dm))
                    throw;
                dinNou = Prompt().Confirma(e.Mesaj() + QStringLiteral("\n\nDoriti sa schimbati conexiunea la server?"))
                    && ConecteazaLaServer();
            }
        });
        if (!dinNou)
            return dm;
    }
}
