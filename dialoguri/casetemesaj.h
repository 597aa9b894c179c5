#pragma once

#include "base/userprompt.h"

// The windowed program's prompt: Qt message boxes over the active window. Installed for as
// long as it lives, the previous prompt back afterwards.
class TCaseteMesaj : public TUserPrompt {
public:
    TCaseteMesaj();
    ~TCaseteMesaj() override;
    TCaseteMesaj(const TCaseteMesaj&) = delete;
    TCaseteMesaj& operator=(const TCaseteMesaj&) = delete;

    void Informatie(const QString& text) override;
    void InformatieCuDetalii(const QString& text, const QString& detalii) override;
    void Avertisment(const QString& text) override;
    void Eroare(const QString& text) override;
    bool Confirma(const QString& text) override;
    bool Reincearca(const QString& text) override;

private:
    TUserPrompt* m_anterior;
};
