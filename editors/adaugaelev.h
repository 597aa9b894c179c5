#pragma once

#include "editors/dialoginregistrare.h"

// Adds a pupil or edits one.
class TAdaugaElev : public TDialogInregistrare {
    Q_OBJECT
public:
    explicit TAdaugaElev(QWidget* parent = nullptr);

    int IdElev() const { return m_idElev; }
    // The pupil the last save wrote, a new one included; -1 before any save.
    int IdSalvat() const { return m_idSalvat; }
    void PregatesteNou();
    void PregatesteExistent(int idElev);

protected:
    void SalveazaInregistrare() override;
    QString Tabel() const override;
    int IdInregistrareEditata() const override { return m_idElev; }
    void ReincarcaPagina() override;

private:
    int m_idElev = -1;
    int m_idSalvat = -1;
};
