#include "base/userprompt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTextStream>
#include <new>

namespace {

class TPromptMesaje : public TUserPrompt {
public:
    void Informatie(const QString& text) override
    {
        QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(), text);
    }
    void InformatieCuDetalii(const QString& text, const QString& detalii) override
    {
        QMessageBox cutie(QMessageBox::Information, QApplication::applicationName(), text, QMessageBox::Ok,
                          QApplication::activeWindow());
        cutie.setInformativeText(detalii);
        cutie.exec();
    }
    void Avertisment(const QString& text) override
    {
        QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationName(), text);
    }
    void Eroare(const QString& text) override
    {
        QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), text);
    }
    bool Confirma(const QString& text) override
    {
        QMessageBox intrebare(QMessageBox::Question, QApplication::applicationName(), text,
                              QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
        intrebare.setDefaultButton(QMessageBox::No);
        // Qt has no Romanian translation of its own buttons.
        intrebare.button(QMessageBox::Yes)->setText(QStringLiteral("&Da"));
        intrebare.button(QMessageBox::No)->setText(QStringLiteral("&Nu"));
        return intrebare.exec() == QMessageBox::Yes;
    }
    bool Reincearca(const QString& text) override
    {
        QMessageBox cutie(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::NoButton,
                          QApplication::activeWindow());
        QPushButton* reincearca = cutie.addButton(QStringLiteral("&Reincearca"), QMessageBox::AcceptRole);
        cutie.addButton(QStringLiteral("Re&nunt"), QMessageBox::RejectRole);
        cutie.setDefaultButton(reincearca);
        cutie.exec();
        return cutie.clickedButton() == reincearca;
    }
};

TPromptMesaje g_promptMesaje;
TUserPrompt* g_prompt = &g_promptMesaje;

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
    g_prompt = prompt ? prompt : &g_promptMesaje;
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
