#include "db/pornirefaraferestre.h"

#include "base/userprompt.h"

namespace {

TPromptConsola g_promptConsola;

} // namespace

std::unique_ptr<TDM> PornesteModululDeDateFaraFerestre()
{
    InstaleazaPrompt(&g_promptConsola);
    auto dm = std::make_unique<TDM>();
    dm->DataModuleCreate();
    return dm;
}
