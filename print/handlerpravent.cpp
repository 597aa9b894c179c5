#include "print/handlerpravent.h"

#include "print/printpraventform.h"
#include "print/scrienotainformular.h"

void InregistreazaHandlerPravent()
{
    static const bool inregistrat = [] {
        TListaHandlerFormularDePrintat::Instanta().Adauga(std::make_unique<THandlerPravent>());
        return true;
    }();
    Q_UNUSED(inregistrat);
}

THandlerPravent::THandlerPravent() : THandlerFormularDePrintat(QStringLiteral("Pravent")) {}

QDialog* THandlerPravent::CreateForm(QWidget* owner) const
{
    return new TPrintPraventForm(owner);
}

TScriitorNota THandlerPravent::ScriitorNota() const
{
    return ScrieNotaInFormular;
}

void THandlerPravent::Umple(QDialog& formular, int idElev) const
{
    static_cast<TPrintPraventForm&>(formular).Umple(idElev);
}
