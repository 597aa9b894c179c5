#include "print/printpraventform.h"

#include "forms/definitieformular.h"
#include "forms/formulardeprintat.h"
#include "certificat/particularizaretextarea.h"
#include "print/formularpravent.h"
#include "print/tiparirediploma.h"

#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const double PasZoom = 1.1;
const double PasZoomInapoi = 0.9090909090909091;

} // namespace

TPrintPraventForm::TPrintPraventForm(QWidget* parent) : TTemplate(parent), m_taburi(new QTabWidget)
{
    setWindowTitle(QStringLiteral("Vizualizare inaintea imprimarii"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    const QList<TFormularDePrintat*> pagini = IncarcaDefinitiaFormularului(*this, CaleFormularPravent());
    CerePaginileCertificatului(pagini.size());
    m_fata = pagini.value(0);
    m_spate = pagini.value(1);
    AdaugaTab(m_fata, QStringLiteral("Fata"));
    AdaugaTab(m_spate, QStringLiteral("Spate"));

    auto* jos = new QWidget;
    jos->setFixedHeight(33);
    auto* asezare = new QVBoxLayout(this);
    asezare->setContentsMargins(0, 0, 0, 0);
    asezare->setSpacing(0);
    asezare->addWidget(BaraDeUnelte());
    asezare->addWidget(m_taburi, 1);
    asezare->addWidget(jos);
    setWindowState(Qt::WindowMaximized);
    // A damaged overrides file is reported now, not in the middle of painting.
    ListaParticularizari();
}

QWidget* TPrintPraventForm::BaraDeUnelte()
{
    auto* bara = new QWidget;
    bara->setFixedHeight(28);
    m_tipareste = Buton(bara, QStringLiteral("Tipareste"), 3);
    m_mareste = Buton(bara, QStringLiteral("Mareste"), 102);
    m_micsoreaza = Buton(bara, QStringLiteral("Micsoreaza"), 201);
    connect(m_tipareste, &QPushButton::clicked, this, &TPrintPraventForm::Tipareste);
    connect(m_mareste, &QPushButton::clicked, this, &TPrintPraventForm::Mareste);
    connect(m_micsoreaza, &QPushButton::clicked, this, &TPrintPraventForm::Micsoreaza);
    m_proba = Buton(bara, QStringLiteral("Proba pe hartie simpla"), 300);
    m_proba->setFixedWidth(150);
    connect(m_proba, &QPushButton::clicked, this, &TPrintPraventForm::TiparesteProba);
    return bara;
}

QPushButton* TPrintPraventForm::Buton(QWidget* bara, const QString& text, int x)
{
    auto* buton = new QPushButton(text, bara);
    buton->setGeometry(x, 2, 96, 24);
    buton->setFocusPolicy(Qt::NoFocus);
    return buton;
}

void TPrintPraventForm::AdaugaTab(TFormularDePrintat* pagina, const QString& titlu)
{
    auto* cutie = new QScrollArea;
    cutie->setWidget(pagina);
    m_taburi->addTab(cutie, titlu);
}

TFormularDePrintat* TPrintPraventForm::PaginaSelectata() const
{
    return IndexPaginaSelectata() == 1 ? m_spate : m_fata;
}

int TPrintPraventForm::IndexPaginaSelectata() const
{
    return m_taburi->currentIndex() == 1 ? 1 : 0;
}

void TPrintPraventForm::Tipareste()
{
    TiparesteDiploma(*PaginaSelectata(), PaginaDinIndex(IndexPaginaSelectata()));
}

void TPrintPraventForm::TiparesteProba()
{
    TiparesteDiploma(*PaginaSelectata(), PaginaDinIndex(IndexPaginaSelectata()), true);
}

void TPrintPraventForm::Mareste()
{
    TFormularDePrintat* pagina = PaginaSelectata();
    pagina->SetZoom(pagina->Zoom() * PasZoom);
}

void TPrintPraventForm::Micsoreaza()
{
    TFormularDePrintat* pagina = PaginaSelectata();
    pagina->SetZoom(pagina->Zoom() * PasZoomInapoi);
}
