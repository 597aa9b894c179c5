#pragma once

#include "forms/handlerformular.h"

// The certificate: the pupil list's "Pravent" button opens its preview.
class THandlerPravent : public THandlerFormularDePrintat {
public:
    THandlerPravent();
    QDialog* CreateForm(QWidget* owner) const override;
    TScriitorNota ScriitorNota() const override;
};
