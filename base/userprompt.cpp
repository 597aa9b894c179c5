#include "base/userprompt.h"

#include <QTextStream>
#include <new>

namespace {

TPromptConsola g_promptConsola;
TUserPrompt* g_prompt = &g_promptConsola;

void ScrieLaConsola(const QString& text)
{
    QTextStream(stderr) << text << Qt::endl;
}

} // namespace

QString TextEroare(const std::exception& e)
{
    if (const auto* eroare = dynamic_cast<const EEroare*>(&e))
        return eroare->Mesaj();
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return QStringLiteral("Nu este destula memorie pentru aceasta operatie.");
    return QString::fromLocal8Bit(e.what());
}

TUserPrompt& Prompt()
{
    return *g_prompt;
}

TUserPrompt* InstaleazaPrompt(TUserPrompt* prompt)
{
    TUserPrompt* anterior = g_prompt;
    g_prompt = prompt ? prompt : &g_promptConsola;
    return anterior;
}

void TPromptConsola::Informatie(const QString& text) { ScrieLaConsola(text); }
void TPromptConsola::InformatieCuDetalii(const QString& text, const QString& detalii)
{
    ScrieLaConsola(text);
    ScrieLaConsola(detalii);
}
void TPromptConsola::Avertisment(const QString& text) { ScrieLaConsola(text); }
void TPromptConsola::Eroare(const QString& text) { ScrieLaConsola(text); }
bool TPromptConsola::Confirma(const QString& text)
{
    ScrieLaConsola(text);
    return false;
}
