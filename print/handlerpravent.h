#pragma once

#include "forms/handlerformular.h"

// The certificate: the pupil list's "Pravent" button opens its preview.
class THandlerPravent : public THandlerFormularDePrintat {
public:
    THandlerPravent();
    QDialog* CreateForm(QWidget* owner) const override;
    TScriitorNota ScriitorNota() const override;
    void Umple(QDialog& formular, int idElev) const override;
};

// Adds the certificate to the printable forms, once however often it is called; the start-up
// calls it before the pupil list shows its buttons.
void InregistreazaHandlerPravent();
