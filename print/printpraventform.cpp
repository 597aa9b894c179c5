#include "print/printpraventform.h"

#include "forms/definitieformular.h"
#include "certificat/geometrieformular.h"
#include "forms/formulardeprintat.h"
#include "forms/umplereformular.h"
#include "certificat/particularizaretextarea.h"
#include "print/formularpravent.h"
#include "print/numerotarediploma.h"
#include "print/scrienotainformular.h"
#include "print/tiparirediploma.h"

#include <QCursor>
#include <algorithm>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTabBar>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const double PasZoom = 1.1;
const double PasZoomInapoi = 0.9090909090909091;
// The tool strip and the empty strip at the bottom, and a title bar the window manager adds.
const int InaltimeBare = 28 + 33;
const int BaraDeTitlu = 32;

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
    AlegeMarimea();
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
    m_paginaIntreaga = Buton(bara, QStringLiteral("Pagina intreaga"), 300);
    m_paginaIntreaga->setFixedWidth(110);
    m_proba = Buton(bara, QStringLiteral("Proba pe hartie simpla"), 414);
    m_proba->setFixedWidth(150);
    m_inchide = Buton(bara, QStringLiteral("Inchide"), 568);
    m_inchide->setToolTip(QStringLiteral("Inchide (Esc)"));
    connect(m_tipareste, &QPushButton::clicked, this, &TPrintPraventForm::Tipareste);
    connect(m_mareste, &QPushButton::clicked, this, &TPrintPraventForm::Mareste);
    connect(m_micsoreaza, &QPushButton::clicked, this, &TPrintPraventForm::Micsoreaza);
    connect(m_proba, &QPushButton::clicked, this, &TPrintPraventForm::TiparesteProba);
    connect(m_paginaIntreaga, &QPushButton::clicked, this, &TPrintPraventForm::PaginaIntreaga);
    connect(m_inchide, &QPushButton::clicked, this, &QDialog::reject);
    return bara;
}

QPushButton* TPrintPraventForm::Buton(QWidget* bara, const QString& text, int x)
{
    auto* buton = new QPushButton(text, bara);
    buton->setGeometry(x, 2, 96, 24);
    buton->setFocusPolicy(Qt::NoFocus);
    return buton;
}

// Large enough for a whole page at its zoom on the screen under the mouse, or the whole
// work area of a screen too small for that. The geometry is set even when maximised, so
// that without a window manager the window never opens small in a corner.
void TPrintPraventForm::AlegeMarimea()
{
    const QScreen* ecran = QGuiApplication::screenAt(QCursor::pos());
    if (!ecran)
        ecran = QGuiApplication::primaryScreen();
    if (!ecran) {
        setWindowState(Qt::WindowMaximized);
        return;
    }
    const QRect zona = ecran->availableGeometry();
    const double dpi = PageDpi(m_fata->Zoom());
    const int rame = 2 * m_taburi->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8;
    const QSize dorita(MmToPixels(dpi, m_fata->Latime()) + rame,
                       MmToPixels(dpi, m_fata->Inaltime()) + rame + InaltimeBare + m_taburi->tabBar()->sizeHint().height());
    if (dorita.width() <= zona.width() && dorita.height() + BaraDeTitlu <= zona.height()) {
        resize(dorita);
        move(zona.left() + (zona.width() - dorita.width()) / 2,
             zona.top() + (zona.height() - dorita.height() - BaraDeTitlu) / 2);
        return;
    }
    setGeometry(zona);
    setWindowState(Qt::WindowMaximized);
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

void TPrintPraventForm::Umple(int idElev)
{
    // Half filled, the pages must not print as this pupil's card.
    m_idElev.reset();
    UmpleFormular(*this, idElev, ScrieNotaInFormular);
    m_idElev = idElev;
}

void TPrintPraventForm::Tipareste()
{
    if (IndexPaginaSelectata() == 0 && m_idElev)
        TiparesteFataInRegistru(*m_fata, *m_idElev, this);
    else
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

void TPrintPraventForm::PaginaIntreaga()
{
    TFormularDePrintat* pagina = PaginaSelectata();
    const QSize loc = static_cast<QScrollArea*>(m_taburi->currentWidget())->maximumViewportSize();
    const double dpi = PageDpi(100);
    const double latime = MmToPixels(dpi, pagina->Latime());
    const double inaltime = MmToPixels(dpi, pagina->Inaltime());
    // A hair under the exact fit, so that rounding never brings a scroll bar back.
    pagina->SetZoom(100 * std::min(loc.width() / latime, loc.height() / inaltime) * 0.998);
}

void TPrintPraventForm::Micsoreaza()
{
    TFormularDePrintat* pagina = PaginaSelectata();
    pagina->SetZoom(pagina->Zoom() * PasZoomInapoi);
}
