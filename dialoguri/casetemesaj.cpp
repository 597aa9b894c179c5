#include "dialoguri/casetemesaj.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

TCaseteMesaj::TCaseteMesaj() : m_anterior(InstaleazaPrompt(this)) {}

TCaseteMesaj::~TCaseteMesaj()
{
    InstaleazaPrompt(m_anterior);
}

void TCaseteMesaj::Informatie(const QString& text)
{
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(), text);
}

void TCaseteMesaj::InformatieCuDetalii(const QString& text, const QString& detalii)
{
    QMessageBox cutie(QMessageBox::Information, QApplication::applicationName(), text, QMessageBox::Ok,
                      QApplication::activeWindow());
    cutie.setInformativeText(detalii);
    cutie.exec();
}

void TCaseteMesaj::Avertisment(const QString& text)
{
    QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationName(), text);
}

void TCaseteMesaj::Eroare(const QString& text)
{
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), text);
}

bool TCaseteMesaj::Confirma(const QString& text)
{
    QMessageBox intrebare(QMessageBox::Question, QApplication::applicationName(), text,
                          QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    intrebare.setDefaultButton(QMessageBox::No);
    // Qt has no Romanian translation of its own buttons.
    intrebare.button(QMessageBox::Yes)->setText(QStringLiteral("&Da"));
    intrebare.button(QMessageBox::No)->setText(QStringLiteral("&Nu"));
    return intrebare.exec() == QMessageBox::Yes;
}

bool TCaseteMesaj::Reincearca(const QString& text)
{
    QMessageBox cutie(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::NoButton,
                      QApplication::activeWindow());
    QPushButton* reincearca = cutie.addButton(QStringLiteral("&Reincearca"), QMessageBox::AcceptRole);
    cutie.addButton(QStringLiteral("Re&nunt"), QMessageBox::RejectRole);
    cutie.setDefaultButton(reincearca);
    cutie.exec();
    return cutie.clickedButton() == reincearca;
}
