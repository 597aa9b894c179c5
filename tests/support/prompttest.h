#pragma once

#include "base/userprompt.h"

#include <QList>
#include <QString>

// Records what the program showed and answers its questions from a script.
class TPromptTest : public TUserPrompt {
public:
    enum class Fel { Informatie, Avertisment, Eroare, Confirmare };
    struct Mesaj {
        Fel Tip;
        QString Text;
        QString Detalii;
    };

    TPromptTest();
    ~TPromptTest() override;

    void Informatie(const QString& text) override { m_mesaje.append({Fel::Informatie, text, {}}); }
    void InformatieCuDetalii(const QString& text, const QString& detalii) override
    {
        m_mesaje.append({Fel::Informatie, text, detalii});
    }
    void Avertisment(const QString& text) override { m_mesaje.append({Fel::Avertisment, text, {}}); }
    void Eroare(const QString& text) override { m_mesaje.append({Fel::Eroare, text, {}}); }
    // Answers with the next scripted answer; Yes when none is left.
    bool Confirma(const QString& text) override;

    void RaspundeLaConfirmari(const QList<bool>& raspunsuri) { m_raspunsuri = raspunsuri; }
    const QList<Mesaj>& Mesaje() const { return m_mesaje; }
    QStringList Texte(Fel tip) const;
    void Goleste() { m_mesaje.clear(); }

private:
    TUserPrompt* m_anterior;
    QList<Mesaj> m_mesaje;
    QList<bool> m_raspunsuri;
};
