#include "import/importexcelexpert.h"

#include "dialoguri/cadruasistent.h"
#include "dialoguri/centreazafereastra.h"
#include "base/eroare.h"
#include "base/userprompt.h"
#include "db/valoarecamp.h"
#include "import/alegerecoloana.h"
#include "import/asezareimport.h"
#include "import/brvexcelimportframe.h"
#include "import/butonpaginaok.h"
#include "import/cursorasteptare.h"
#include "import/excelselectiecoloana.h"
#include "registre/foaie.h"
#include "registre/registru.h"
#include "import/textepagini.h"
#include "print/progresserie.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const QString Titlu = QStringLiteral("Formular pentru preluarea datelor dintr-o foaie de calcul Excel");

// A sheet of cells with a green heading row: the picture of the header band.
QPixmap PictogramaFoaie()
{
    QPixmap imagine(40, 40);
    imagine.fill(Qt::transparent);
    QPainter pictor(&imagine);
    const QRect foaie(3, 3, 33, 33);
    pictor.fillRect(foaie, Qt::white);
    pictor.fillRect(QRect(foaie.left(), foaie.top(), foaie.width(), 8), QColor(33, 115, 70));
    pictor.setPen(QColor(160, 160, 160));
    for (int x = foaie.left() + 11; x < foaie.right(); x += 11)
        pictor.drawLine(x, foaie.top() + 8, x, foaie.bottom());
    for (int y = foaie.top() + 8 + 6; y < foaie.bottom(); y += 6)
        pictor.drawLine(foaie.left(), y, foaie.right(), y);
    pictor.setPen(QColor(33, 115, 70));
    pictor.drawRect(foaie);
    return imagine;
}

QVBoxLayout* AsezarePagina(QWidget* pagina, const QString& titlu)
{
    auto* asezare = new QVBoxLayout(pagina);
    asezare->setContentsMargins(0, 0, 0, 0);
    asezare->addWidget(TitluPagina(titlu));
    asezare->addSpacing(8);
    return asezare;
}

QString Numaratoare(const TRezultatImport& rezultat)
{
    return QStringLiteral("Elevi noi: %1, elevi actualizati: %2").arg(rezultat.Creati).arg(rezultat.Actualizati);
}

} // namespace

TImportExcelExpert::TImportExcelExpert(QWidget* parent) : TImportExcelExpert(CampuriImportabile(), parent) {}

TImportExcelExpert::TImportExcelExpert(const std::vector<TCampImportabil>& campuri, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TImportExcelExpert"));
    setWindowTitle(QStringLiteral("Import de date din Excel"));
    resize(640, 540);

    m_pagini = new QStackedWidget(this);
    m_pagini->addWidget(PaginaIntroducereNoua());
    m_pagini->addWidget(PaginaFisierNoua());
    m_pagini->addWidget(PaginaCnpNoua());
    auto* gata = new QWidget;
    QVBoxLayout* asezareGata = AsezarePagina(gata, QStringLiteral("Toate datele necesare au fost identificate"));
    m_rezumat = TextPagina(QString());
    m_rezumat->setObjectName(QStringLiteral("Rezumat"));
    m_rezumat->setTextInteractionFlags(Qt::TextSelectableByMouse);
    asezareGata->addWidget(m_rezumat);
    asezareGata->addWidget(TextPagina(QStringLiteral("Apasati \"Inainte\" pentru a incepe preluarea.")));
    asezareGata->addStretch();
    m_pagini->addWidget(gata);
    m_pagini->addWidget(PaginaFormulareNoua());
    for (const TCampImportabil& camp : campuri)
        AdaugaCamp(camp);

    const TButoaneAsistent butoane = AseazaAsistent(*this, m_pagini, Titlu, PictogramaFoaie(), QColor(0, 0, 128));
    m_inapoi = butoane.Inapoi;
    m_inainte = butoane.Inainte;
    m_renunt = butoane.Renunt;
    m_inapoi->setEnabled(false);
    connect(m_inapoi, &QPushButton::clicked, this, &TImportExcelExpert::Inapoi);
    connect(m_inainte, &QPushButton::clicked, this, &TImportExcelExpert::Inainte);
    connect(m_renunt, &QPushButton::clicked, this, &TImportExcelExpert::Renunt);
    // Only once it sits in the dialog does the button become the dialog's own default (Enter).
    m_inainte->setDefault(true);
    Arata(PaginaIntroducere);
    CentreazaFereastra(this);
}

TImportExcelExpert::~TImportExcelExpert() = default;

QWidget* TImportExcelExpert::PaginaIntroducereNoua()
{
    auto* pagina = new QWidget;
    QVBoxLayout* asezare = AsezarePagina(pagina, Titlu);
    asezare->addWidget(TextPagina(QStringLiteral(
        "Acesta este un formular (sau expert) pentru preluarea datelor dintr-o foaie de calcul Excel. Preluarea "
        "datelor este un proces care necesita un minim de cunostinte de specialitate si se poate face cu "
        "inlocuirea datelor existente sau in completare.")));
    asezare->addWidget(TextPagina(QStringLiteral(
        "Pentru inceput va rugam apasati butonul \"Inainte\" pentru a trece la pagina pentru selectia fisierului "
        "XLS din care se face importul si pentru selectia foii de calcul din respectivul fisier.")));
    asezare->addStretch();
    return pagina;
}

QWidget* TImportExcelExpert::PaginaFisierNoua()
{
    auto* pagina = new QWidget;
    QVBoxLayout* asezare =
        AsezarePagina(pagina, QStringLiteral("Va rugam specificati numele fisierului din care se va face preluarea:"));
    asezare->addWidget(new QLabel(QStringLiteral("Numele fisierului:")));
    auto* rand = new QHBoxLayout;
    m_numeFisier = new QLineEdit;
    m_numeFisier->setObjectName(QStringLiteral("NumeFisier"));
    connect(m_numeFisier, &QLineEdit::editingFinished, this,
            [this] { RuleazaCuEroare([this] { DeschideNumeleTastat(); }); });
    m_cauta = new QPushButton(QStringLiteral("Cauta ..."));
    m_cauta->setAutoDefault(false);
    rand->addWidget(m_numeFisier, 1);
    rand->addWidget(m_cauta);
    asezare->addLayout(rand);
    asezare->addSpacing(8);
    asezare->addWidget(new QLabel(QStringLiteral("Numele foii de calcul de pe care se va face preluarea:")));
    m_foi = new QComboBox;
    m_foi->setEnabled(false);
    m_foi->setMinimumContentsLength(30);
    asezare->addWidget(m_foi, 0, Qt::AlignLeft);
    asezare->addStretch();
    connect(m_cauta, &QPushButton::clicked, this, &TImportExcelExpert::Cauta);
    return pagina;
}

QWidget* TImportExcelExpert::PaginaCnpNoua()
{
    auto* pagina = new QWidget;
    QVBoxLayout* asezare =
        AsezarePagina(pagina, QStringLiteral("Va rugam specificati coloana de pe care se va prelua CNP-ul"));
    asezare->addWidget(new QLabel(QStringLiteral("Coloana pentru selectia CNP:")));
    m_coloanaCnp = new TAlegereColoana([this] { return SelectieColoana(); });
    m_coloanaCnp->setMaximumWidth(200);
    asezare->addWidget(m_coloanaCnp);
    m_asezareRegasita = TextPagina(QStringLiteral(
        "Foaia are acelasi cap de tabel ca una preluata inainte: am completat alegerile de atunci (coloana CNP-ului "
        "si sursa fiecarui camp). Le puteti schimba pe fiecare pagina."));
    m_asezareRegasita->setObjectName(QStringLiteral("AsezareRegasita"));
    m_asezareRegasita->hide();
    asezare->addWidget(m_asezareRegasita);
    asezare->addStretch();
    new TButonPaginaOk(
        [this] {
            if (m_coloanaCnp->Coloana().isEmpty())
                throw EEroare(QStringLiteral("Va rugam selectati coloana de pe care se vor prelua date pentru CNP"));
        },
        pagina);
    return pagina;
}

QWidget* TImportExcelExpert::PaginaFormulareNoua()
{
    auto* pagina = new QWidget;
    QVBoxLayout* asezare =
        AsezarePagina(pagina, QStringLiteral("Bifati formularele (diplomele) pentru care preluati date"));
    asezare->addWidget(TextPagina(QStringLiteral(
        "Acest program este capabil sa tipareasca mai multe formate de diplome. Va rugam bifati in lista de mai "
        "jos numai diplomele pentru care doriti sa preluati efectiv date!")));
    m_formulare = new QListWidget;
    asezare->addWidget(m_formulare, 1);
    return pagina;
}

void TImportExcelExpert::AdaugaCamp(const TCampImportabil& camp)
{
    auto* frame = new TBrvExcelImportFrame(camp, [this] { return SelectieColoana(); });
    m_pagini->addWidget(frame);
    m_campuri.push_back(frame);
    if (m_formulareProfil.contains(camp.CodFormular))
        return;
    m_formulareProfil << camp.CodFormular;
    auto* articol = new QListWidgetItem(SpatiereMajuscule(camp.CodFormular), m_formulare);
    articol->setFlags(articol->flags() | Qt::ItemIsUserCheckable);
    articol->setCheckState(Qt::Unchecked);
}

int TImportExcelExpert::PaginaCurenta() const
{
    return m_pagini->currentIndex();
}

void TImportExcelExpert::Arata(int pagina)
{
    if (pagina == PaginaGata)
        m_rezumat->setText(TextRezumat());
    m_pagini->setCurrentIndex(pagina);
}

QString TImportExcelExpert::TextRezumat() const
{
    int cuCnp = 0;
    if (const TColoanaExcel* cnp = m_coloane.Coloana(m_coloanaCnp->Coloana()))
        for (const QString& text : cnp->Texte())
            cuCnp += PareCNP(text) ? 1 : 0;
    QString text = QStringLiteral("Fisierul: %1\nFoaia de calcul: %2\nCNP-ul din coloana %3: %4 randuri cu CNP.\n")
                       .arg(m_numeFisier->text(), m_foi->currentText(), m_coloanaCnp->Coloana())
                       .arg(cuCnp);
    QStringList campuri;
    for (const TBrvExcelImportFrame* camp : m_campuri)
        if (m_formulareBifate.contains(camp->CodFormular()))
            campuri << QStringLiteral("    %1: %2").arg(camp->Eticheta(), DescriereSursa(camp->Sursa()));
    if (!campuri.isEmpty())
        text += QStringLiteral("\nCampurile:\n") + campuri.join(u'\n');
    return text;
}

void TImportExcelExpert::DeschideNumeleTastat()
{
    const QString cale = QDir::fromNativeSeparators(m_numeFisier->text().trimmed());
    if (cale.isEmpty() || cale == QDir::fromNativeSeparators(m_fisierDeschis))
        return;
    DeschideFisier(cale);
}

void TImportExcelExpert::Inainte()
{
    RuleazaCuEroare([this] {
        VerificaPagina(*m_pagini->currentWidget());
        Avanseaza();
    });
    m_inapoi->setEnabled(PaginaCurenta() > PaginaCnp);
}

void TImportExcelExpert::Avanseaza()
{
    switch (const int pagina = PaginaCurenta()) {
    case PaginaIntroducere:
        Arata(PaginaFormulare);
        return;
    case PaginaFormulare:
        AlegeFormulare();
        return;
    case PaginaFisier:
        CitesteFoaiaAleasa();
        return;
    case PaginaCnp:
        ArataPaginaCamp(PrimaPaginaCamp);
        return;
    case PaginaGata:
        Importa();
        return;
    default:
        ArataPaginaCamp(pagina + 1);
    }
}

void TImportExcelExpert::Inapoi()
{
    switch (const int pagina = PaginaCurenta()) {
    case PaginaIntroducere:
        return;
    case PaginaFisier:
        Arata(PaginaFormulare);
        return;
    case PaginaCnp:
        Arata(PaginaFisier);
        return;
    case PaginaGata:
        Arata(PaginaCnp);
        return;
    case PaginaFormulare:
        Arata(PaginaIntroducere);
        return;
    default:
        Arata(pagina - 1);
    }
}

void TImportExcelExpert::AlegeFormulare()
{
    QStringList bifate;
    for (int i = 0; i < m_formulare->count(); ++i)
        if (m_formulare->item(i)->checkState() == Qt::Checked)
            bifate << m_formulareProfil.at(i);
    // Without any field there is no form to tick, and the CNPs alone may still be taken over.
    if (bifate.isEmpty() && m_formulare->count() > 0) {
        Prompt().Informatie(QStringLiteral("Va rugam bifati cel putin un formular"));
        return;
    }
    bifate.sort();
    m_formulareBifate = bifate;
    Arata(PaginaFisier);
}

void TImportExcelExpert::Cauta()
{
    QFileDialog dialog(this, QStringLiteral("Alegeti foaia de calcul"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Foi de calcul (*.xls *.xlsx *.xlsm *.ods *.csv)"),
                           QStringLiteral("Toate fisierele (*)")});
    if (!m_numeFisier->text().isEmpty())
        dialog.setDirectory(QFileInfo(QDir::fromNativeSeparators(m_numeFisier->text())).absolutePath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString cale = dialog.selectedFiles().constFirst();
    RuleazaCuEroare([&] { DeschideFisier(cale); });
}

void TImportExcelExpert::DeschideFisier(const QString& cale)
{
    std::unique_ptr<TRegistru> registru = DeschideRegistru(cale);
    const QStringList foi = registru->Foi();
    m_registru = std::move(registru);
    m_fisierDeschis = QDir::toNativeSeparators(cale);
    m_numeFisier->setText(m_fisierDeschis);
    m_foi->clear();
    m_foi->addItems(foi);
    m_foi->setCurrentIndex(-1);
    m_foi->setEnabled(true);
}

void TImportExcelExpert::CitesteFoaiaAleasa()
{
    // A name typed and not yet left goes first: it is the file the user means.
    DeschideNumeleTastat();
    if (!m_registru || m_foi->currentIndex() < 0) {
        Prompt().Informatie(QStringLiteral(
            "Va rugam deschideti un fisier XLS si alegeti foaia de calcul de pe care se va face importul"));
        return;
    }
    {
        const TCursorAsteptare asteptare;
        TListaColoaneExcel coloane;
        const TFoaie& foaie = m_registru->Foaie(m_foi->currentText());
        CitesteFoaia(foaie, coloane);
        // The old dialog shows the old columns: it goes before they do.
        m_selectie.reset();
        m_coloane = std::move(coloane);
        m_selectie = std::make_unique<TExcelSelectieColoana>(m_coloane, this);
        m_capDeTabel = CapDeTabel(foaie, m_coloane);
    }
    AplicaAsezareaRetinuta();
    Arata(PaginaCnp);
}

void TImportExcelExpert::AplicaAsezareaRetinuta()
{
    const std::optional<TAsezareImport> asezare = AsezareRetinuta(m_capDeTabel);
    m_asezareRegasita->setVisible(asezare.has_value());
    if (!asezare)
        return;
    m_coloanaCnp->PuneColoana(asezare->ColoanaCnp);
    for (TBrvExcelImportFrame* camp : m_campuri) {
        TSursaCamp sursa;
        sursa.IdCamp = camp->IdCamp();
        sursa.NuImport = true;
        for (const TSursaCamp& retinuta : asezare->Surse)
            if (retinuta.IdCamp == camp->IdCamp())
                sursa = retinuta;
        camp->Aplica(sursa);
    }
}

void TImportExcelExpert::ArataPaginaCamp(int pagina)
{
    for (; pagina < m_pagini->count(); ++pagina) {
        TBrvExcelImportFrame* camp = m_campuri.at(size_t(pagina - PrimaPaginaCamp));
        if (m_formulareBifate.contains(camp->CodFormular())) {
            Arata(pagina);
            return;
        }
        camp->NuImport()->setChecked(true);
    }
    Arata(PaginaGata);
}

void TImportExcelExpert::Importa()
{
    std::vector<TSursaCamp> surse;
    for (const TBrvExcelImportFrame* camp : m_campuri)
        surse.push_back(camp->Sursa());
    TRezultatImport rezultat;
    {
        // Shown only when the import lasts more than a moment.
        TProgresFereastra progres(this, {windowTitle(), QStringLiteral("Preiau elevul %1 din %2"), 500});
        rezultat = ::Importa(m_coloane, m_coloanaCnp->Coloana(), surse,
                             [&progres](int rand, int total) { return progres.Continua(rand + 1, total); });
    }
    if (rezultat.Oprit) {
        Prompt().Informatie(QStringLiteral("Preluarea a fost oprita. ") + Numaratoare(rezultat));
        return;
    }
    RetineAsezarea(m_capDeTabel, {m_coloanaCnp->Coloana(), surse});
    Prompt().InformatieCuDetalii(QStringLiteral("Am finalizat preluarea din Excel cu succes"), Numaratoare(rezultat));
    accept();
}
