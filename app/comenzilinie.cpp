#include "app/comenzilinie.h"

namespace {

std::vector<TComandaLinie>& Comenzi()
{
    static std::vector<TComandaLinie> comenzi;
    return comenzi;
}

} // namespace

bool InregistreazaComanda(TComandaLinie comanda)
{
    Comenzi().push_back(std::move(comanda));
    return true;
}

const std::vector<TComandaLinie>& ComenziLinie()
{
    return Comenzi();
}
