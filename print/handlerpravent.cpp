#include "print/handlerpravent.h"

#include "print/printpraventform.h"
#include "print/scrienotainformular.h"

namespace {

const bool Inregistrat = [] {
    TListaHandlerFormularDePrintat::Instanta().Adauga(std::make_unique<THandlerPravent>());
    return true;
}();

} // namespace

THandlerPravent::THandlerPravent() : THandlerFormularDePrintat(QStringLiteral("Pravent")) {}

QDialog* THandlerPravent::CreateForm(QWidget* owner) const
{
    return new TPrintPraventForm(owner);
}

TScriitorNota THandlerPravent::ScriitorNota() const
{
    return ScrieNotaInFormular;
}
