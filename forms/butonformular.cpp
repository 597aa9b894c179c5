#include "forms/butonformular.h"

#include "base/userprompt.h"
#include "forms/handlerformular.h"

#include <QDialog>

TButonFormular::TButonFormular(const THandlerFormularDePrintat& handler,
                               std::function<std::optional<int>()> elevSelectat, QWidget* parent)
    : QPushButton(handler.Caption, parent), m_handler(handler), m_elevSelectat(std::move(elevSelectat))
{
    setStyleSheet(QStringLiteral("TButonFormular { background: #F4F4F0; border: 1px solid #A0A0A0; }"
                                 "TButonFormular:hover { background: #FFC73C; }"
                                 "TButonFormular:pressed { background: #6A8DF4; }"));
    connect(this, &QPushButton::clicked, this, [this] { RuleazaCuEroare([this] { Apasa(); }); });
}

void TButonFormular::Apasa()
{
    const std::optional<int> idElev = m_elevSelectat();
    if (!idElev) {
        Prompt().Informatie(QStringLiteral("Va rog selectati un elev!"));
        return;
    }
    if (!m_formular)
        m_formular = m_handler.CreateForm(this);
    m_handler.Umple(*m_formular, *idElev);
    m_formular->exec();
}
