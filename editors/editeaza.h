#pragma once

#include "editors/dialoginregistrare.h"

// Adds or edits a record of an entity table other than the pupils (the school).
class TEditeaza : public TDialogInregistrare {
    Q_OBJECT
public:
    explicit TEditeaza(const QString& numeTabel, QWidget* parent = nullptr);

    const QString& NumeTabel() const { return m_numeTabel; }
    int IdInregistrare() const { return m_idInregistrare; }
    void PregatesteNou();
    void PregatesteExistent(int idInregistrare);

protected:
    void SalveazaInregistrare() override;
    QString Tabel() const override { return m_numeTabel; }
    int IdInregistrareEditata() const override { return m_idInregistrare; }
    void ReincarcaPagina() override { PregatesteExistent(m_idInregistrare); }

private:
    QString m_numeTabel;
    int m_idInregistrare = -1;
};
