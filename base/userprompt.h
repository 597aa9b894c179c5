#pragma once

#include "base/eroare.h"

#include <QString>
#include <exception>

// Every message, warning, error and confirmation the program shows goes through here,
// so that tests can read what was shown and answer the questions.
class TUserPrompt {
public:
    virtual ~TUserPrompt() = default;
    // A plain message box with an OK button (a missing selection, a notice).
    virtual void Informatie(const QString& text) = 0;
    // The same box with a second, smaller text under the message (counts, particulars).
    virtual void InformatieCuDetalii(const QString& text, const QString& detalii) = 0;
    // A warning box with an OK button (a refused value).
    virtual void Avertisment(const QString& text) = 0;
    // The application's error box.
    virtual void Eroare(const QString& text) = 0;
    // A Yes/No question; true only for Yes.
    virtual bool Confirma(const QString& text) = 0;
    // A failure that may pass (EEroareTrecatoare), with "Reincearca" and "Renunt"; true only
    // for "Reincearca". Where nobody can answer, the failure is told and given up.
    virtual bool Reincearca(const QString& text)
    {
        Eroare(text);
        return false;
    }
};

// The prompt in use; the console unless another one was installed (the windowed program
// installs its message boxes at start-up).
TUserPrompt& Prompt();

// Installs a prompt (not owned) and returns the previous one; nullptr restores the console.
TUserPrompt* InstaleazaPrompt(TUserPrompt* prompt);

// Prompt that writes to standard error and answers every question with No; used by the
// command-line modes, where no window may appear.
class TPromptConsola : public TUserPrompt {
public:
    void Informatie(const QString& text) override;
    void InformatieCuDetalii(const QString& text, const QString& detalii) override;
    void Avertisment(const QString& text) override;
    void Eroare(const QString& text) override;
    bool Confirma(const QString& text) override;
};

// What the user is told of any failure: a shortage of memory in Romanian too.
QString TextEroare(const std::exception& e);

// Runs a user action; a failure is shown in the error box, and one that may pass is offered
// to run the action again. True when it succeeded.
template <typename Actiune>
bool RuleazaCuEroare(Actiune&& actiune)
{
    for (;;) {
        try {
            actiune();
            return true;
        } catch (const EEroareTrecatoare& e) {
            if (!Prompt().Reincearca(e.Mesaj()))
                return false;
        } catch (const std::exception& e) {
            Prompt().Eroare(TextEroare(e));
            return false;
        }
    }
}
