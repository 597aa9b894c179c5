#include "forms/handlerformular.h"

TListaHandlerFormularDePrintat& TListaHandlerFormularDePrintat::Instanta()
{
    // Built on first use: handlers register while other units are still initialising.
    static TListaHandlerFormularDePrintat lista;
    return lista;
}

void TListaHandlerFormularDePrintat::Adauga(std::unique_ptr<THandlerFormularDePrintat> handler)
{
    m_handlere.push_back(std::move(handler));
}
