#include "import/brvexcelimportframe.h"

#include "base/eroare.h"
#include "db/valoarecamp.h"
#include "import/butonpaginaok.h"
#include "import/textepagini.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

enum SubPagina { PeColoana = 0, PeConstanta = 1, PeCnp = 2 };

SubPagina SubPaginaModului(TModSursa mod)
{
    switch (mod) {
    case TModSursa::Constanta:
        return PeConstanta;
    case TModSursa::DinCnp:
        return PeCnp;
    case TModSursa::Coloana:
    case TModSursa::PrimaParte:
    case TModSursa::ADouaParte:
        break;
    }
    return PeColoana;
}

// An edit under its caption.
QWidget* CampCuEticheta(const QString& eticheta, QLineEdit*& edit, const QString& explicatie = {})
{
    auto* camp = new QWidget;
    auto* asezare = new QVBoxLayout(camp);
    asezare->setContentsMargins(0, 0, 0, 0);
    auto* text = new QLabel(eticheta);
    text->setToolTip(explicatie);
    asezare->addWidget(text);
    edit = new QLineEdit;
    edit->setToolTip(explicatie);
    asezare->addWidget(edit);
    return camp;
}

} // namespace

TBrvExcelImportFrame::TBrvExcelImportFrame(const TCampImportabil& camp, TAlegereColoana::TDialogCurent dialog,
                                           QWidget* parent)
    : QFrame(parent),
      m_idCamp(camp.IdCamp),
      m_codFormular(camp.CodFormular),
      m_eticheta(camp.EtichetaCurata),
      m_moduri(new QListWidget(this)),
      m_nuImport(new QCheckBox(QStringLiteral("NU import date pentru aceasta coloana"), this)),
      m_subPagini(new QStackedWidget(this))
{
    setObjectName(QStringLiteral("TBrvExcelImportFrame"));
    m_moduri->addItems({QStringLiteral("Preiau direct dintr-o coloana Excel"),
                        QStringLiteral("Valoare constanta pentru toate diplomele"),
                        QStringLiteral("Valoare derivata din CNP-ul elevului"),
                        QStringLiteral("Preiau prima parte a numelui din coloana Excel"),
                        QStringLiteral("Preiau a doua parte a numelui din coloana Excel")});
    m_moduri->setCurrentRow(0);
    m_moduri->setFixedHeight(m_moduri->sizeHintForRow(0) * (m_moduri->count() + 1) + 2 * m_moduri->frameWidth());
    m_subPagini->addWidget(SubPaginaColoana(std::move(dialog)));
    m_subPagini->addWidget(SubPaginaConstanta());
    m_subPagini->addWidget(SubPaginaCnp());
    connect(m_moduri, &QListWidget::currentRowChanged, this, &TBrvExcelImportFrame::LaSchimbareaModului);
    connect(m_nuImport, &QCheckBox::toggled, this, [this](bool nuImport) {
        m_moduri->setEnabled(!nuImport);
        m_subPagini->setEnabled(!nuImport);
    });

    auto* asezare = new QVBoxLayout(this);
    asezare->setContentsMargins(0, 0, 0, 0);
    asezare->addWidget(TitluPagina(QStringLiteral("Va rugam specificati coloana de pe care se va prelua:")));
    asezare->addWidget(TextPagina(SpatiereMajuscule(m_idCamp)));
    asezare->addWidget(TextPagina(camp.EtichetaCurata));
    asezare->addSpacing(8);
    asezare->addWidget(TextPagina(QStringLiteral("Cum generez date pentru aceasta coloana:")));
    asezare->addWidget(m_moduri);
    asezare->addWidget(m_nuImport);
    asezare->addWidget(m_subPagini);
    asezare->addStretch();
    new TButonPaginaOk([this] { Verifica(); }, this);
}

QWidget* TBrvExcelImportFrame::SubPaginaColoana(TAlegereColoana::TDialogCurent dialog)
{
    auto* pagina = new QWidget;
    auto* asezare = new QVBoxLayout(pagina);
    asezare->setContentsMargins(0, 0, 0, 0);
    asezare->addWidget(new QLabel(QStringLiteral("Coloana pentru preluarea acestui camp de date:")));
    m_coloana = new TAlegereColoana(std::move(dialog));
    m_coloana->setMaximumWidth(200);
    asezare->addWidget(m_coloana);
    asezare->addStretch();
    return pagina;
}

QWidget* TBrvExcelImportFrame::SubPaginaConstanta()
{
    auto* pagina = new QWidget;
    auto* asezare = new QVBoxLayout(pagina);
    asezare->setContentsMargins(0, 0, 0, 0);
    asezare->addWidget(CampCuEticheta(QStringLiteral("Ce scriu in aceasta coloana:"), m_constanta));
    asezare->addStretch();
    return pagina;
}

QWidget* TBrvExcelImportFrame::SubPaginaCnp()
{
    auto* pagina = new QWidget;
    auto* asezare = new QVBoxLayout(pagina);
    asezare->setContentsMargins(0, 0, 0, 0);
    // Pupils born after 1999 have CNPs beginning with 6 (girls) and 5 (boys).
    asezare->addWidget(CampCuEticheta(QStringLiteral("Ce scriu pentru fete (prima cifra din CNP=2)"), m_textFete,
                                      QStringLiteral("Pentru CNP-urile care incep cu o cifra para: 2, 6, 4, 8")));
    asezare->addWidget(CampCuEticheta(QStringLiteral("Ce scriu pentru baieti (prima cifra din CNP=1)"), m_textBaieti,
                                      QStringLiteral("Pentru CNP-urile care incep cu o cifra impara: 1, 5, 3, 7")));
    asezare->addStretch();
    return pagina;
}

void TBrvExcelImportFrame::LaSchimbareaModului()
{
    m_subPagini->setCurrentIndex(SubPaginaModului(Mod()));
}

TModSursa TBrvExcelImportFrame::Mod() const
{
    return static_cast<TModSursa>(std::max(0, m_moduri->currentRow()));
}

TSursaCamp TBrvExcelImportFrame::Sursa() const
{
    TSursaCamp sursa;
    sursa.IdCamp = m_idCamp;
    sursa.NuImport = m_nuImport->isChecked();
    sursa.Mod = Mod();
    sursa.Coloana = m_coloana->Coloana();
    sursa.Constanta = m_constanta->text();
    sursa.TextFete = m_textFete->text();
    sursa.TextBaieti = m_textBaieti->text();
    return sursa;
}

void TBrvExcelImportFrame::Aplica(const TSursaCamp& sursa)
{
    m_nuImport->setChecked(sursa.NuImport);
    m_moduri->setCurrentRow(int(sursa.Mod));
    m_coloana->PuneColoana(sursa.Coloana);
    m_constanta->setText(sursa.Constanta);
    m_textFete->setText(sursa.TextFete);
    m_textBaieti->setText(sursa.TextBaieti);
}

void TBrvExcelImportFrame::Verifica() const
{
    if (!m_nuImport->isChecked() && SubPaginaModului(Mod()) == PeColoana && m_coloana->Coloana().isEmpty())
        throw EEroare(QStringLiteral("Va rog selectati coloana din care voi prelua datele"));
}
