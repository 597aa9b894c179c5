#include "import/butonpaginaok.h"

#include "base/userprompt.h"

TButonPaginaOk::TButonPaginaOk(std::function<void()> verificare, QWidget* parent)
    : QPushButton(parent), m_verificare(std::move(verificare))
{
    setObjectName(QStringLiteral("PaginaOk"));
    hide();
    connect(this, &QPushButton::clicked, this, [this] { RuleazaCuEroare([this] { Verifica(); }); });
}

void VerificaPagina(const QWidget& pagina)
{
    if (const auto* buton = pagina.findChild<TButonPaginaOk*>(QStringLiteral("PaginaOk")))
        buton->Verifica();
}
