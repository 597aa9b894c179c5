#pragma once

#include <QDialog>
#include <vector>

class TEditorGenericComplex;
struct TDiferenta;

// A dialog that edits one record on a record editor page, with "Ok" and "Renunt" in a bar
// on its right. Ok saves in one transaction; a refusal or a failure leaves the dialog open
// with its values. Another user's save of the same record since it was opened is never
// overwritten unasked: the user sees what changed and keeps hers or takes the other's.
class TDialogInregistrare : public QDialog {
    Q_OBJECT
public:
    TDialogInregistrare(const QString& titlu, const QSize& marime, int latimeBara, QWidget* parent);

    TEditorGenericComplex* Pagina() const { return m_pagina; }

    void Ok();
    // The button drops the changes as asked; Escape and the window's close button ask first.
    void Renunt() { QDialog::reject(); }
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    // Writes the record; runs inside the dialog's transaction.
    virtual void SalveazaInregistrare() = 0;
    // The entity table and the id of the record edited, -1 for a new one.
    virtual QString Tabel() const = 0;
    virtual int IdInregistrareEditata() const = 0;
    // Builds the page again from what is stored now.
    virtual void ReincarcaPagina() = 0;

private:
    enum class TRezultatIncercare { Salvat, Modificat };
    // True when saved; false when the user took the stored values instead.
    bool SalveazaFaraPierderi();
    TRezultatIncercare IncearcaSalvarea(std::vector<TDiferenta>& diferente);
    QString MesajModificat(const std::vector<TDiferenta>& diferente) const;

    TEditorGenericComplex* m_pagina;
    bool m_afisat = false;
};
