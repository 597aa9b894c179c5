#include "forms/handlerformular.h"

#include <QDialog>

void THandlerFormularDePrintat::Umple(QDialog& formular, int idElev) const
{
    UmpleFormular(formular, idElev, ScriitorNota());
}

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
