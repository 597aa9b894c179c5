#pragma once

#include <QPushButton>
#include <functional>

// The hidden button "PaginaOk" by which a wizard page says whether it may be left: the
// wizard looks for it on the page and runs its check, which raises when the page is not
// complete.
class TButonPaginaOk : public QPushButton {
    Q_OBJECT
public:
    TButonPaginaOk(std::function<void()> verificare, QWidget* parent);

    void Verifica() const { m_verificare(); }

private:
    std::function<void()> m_verificare;
};

// The check of the page's "PaginaOk" button, if the page has one anywhere among its children.
void VerificaPagina(const QWidget& pagina);
