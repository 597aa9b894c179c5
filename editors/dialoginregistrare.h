#pragma once

#include <QDialog>

class TEditorGenericComplex;

// A dialog that edits one record on a record editor page, with "Ok" and "Renunt" in a bar
// on its right. Ok saves in one transaction; a refusal or a failure leaves the dialog open
// with its values.
class TDialogInregistrare : public QDialog {
    Q_OBJECT
public:
    TDialogInregistrare(const QString& titlu, const QSize& marime, int latimeBara, QWidget* parent);

    TEditorGenericComplex* Pagina() const { return m_pagina; }

    void Ok();
    void Renunt() { reject(); }

protected:
    // Writes the record; runs inside the dialog's transaction.
    virtual void SalveazaInregistrare() = 0;

private:
    TEditorGenericComplex* m_pagina;
};
