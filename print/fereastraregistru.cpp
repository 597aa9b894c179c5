#include "print/fereastraregistru.h"

#include "base/userprompt.h"
#include "db/tdm.h"
#include "print/documenttiparit.h"
#include "print/exportregistru.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <limits>

namespace {

// Where each row keeps its entry's place in the list read, and its sort key per column.
constexpr int RolIntrare = Qt::UserRole + 1;
constexpr int RolSortare = Qt::UserRole + 2;

QList<QStandardItem*> Rand(const TIntrareRegistru& intrare, int index)
{
    const QStringList texte = RandRegistru(intrare) << TextStare(intrare.Stare) << intrare.Primitor;
    const QList<QVariant> chei = {intrare.NrInregistrare, intrare.DataInregistrare.toString(Qt::ISODate),
                                  intrare.Nume.toLower(),  intrare.Cnp,
                                  intrare.Seria + NumarCartonAfisat(intrare.Numar), texte.at(5),
                                  texte.at(6),             intrare.Primitor.toLower()};
    QList<QStandardItem*> rand;
    for (int c = 0; c < texte.size(); ++c) {
        auto* celula = new QStandardItem(texte.at(c));
        celula->setEditable(false);
        celula->setData(chei.at(c), RolSortare);
        celula->setData(index, RolIntrare);
        if (intrare.Stare == TStareCertificat::Anulat)
            celula->setForeground(QColor(0x80, 0x80, 0x80));
        rand.append(celula);
    }
    return rand;
}

QPushButton* Buton(QHBoxLayout* rand, const QString& text, QDialog* parinte)
{
    auto* buton = new QPushButton(text, parinte);
    rand->addWidget(buton);
    return buton;
}

} // namespace

TFereastraRegistru::TFereastraRegistru(QWidget* parent)
    : QDialog(parent), m_tabel(new QTableView(this)), m_cautare(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Registrul certificatelor eliberate"));
    m_model.setHorizontalHeaderLabels(CapTabelRegistru() << QStringLiteral("Stare") << QStringLiteral("Primitor"));
    m_filtru.setSourceModel(&m_model);
    m_filtru.setFilterKeyColumn(-1);
    m_filtru.setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_filtru.setSortRole(RolSortare);
    m_tabel->setModel(&m_filtru);
    m_tabel->setSortingEnabled(true);
    m_tabel->sortByColumn(0, Qt::AscendingOrder);
    m_tabel->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabel->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabel->verticalHeader()->hide();
    m_tabel->verticalHeader()->setDefaultSectionSize(m_tabel->fontMetrics().height() + 6);
    m_tabel->horizontalHeader()->setStretchLastSection(true);

    auto* cautare = new QHBoxLayout;
    cautare->addWidget(new QLabel(QStringLiteral("Cauta:"), this));
    cautare->addWidget(m_cautare);
    connect(m_cautare, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_filtru.setFilterFixedString(text);
        AlegeOIntrare();
    });
    // Typing a name and pressing Enter records the hand-over of the first match.
    m_cautare->setFocus();

    auto* actiuni = new QHBoxLayout;
    connect(Buton(actiuni, QStringLiteral("&Predare..."), this), &QPushButton::clicked, this, &TFereastraRegistru::Preda);
    connect(Buton(actiuni, QStringLiteral("&Anulare..."), this), &QPushButton::clicked, this,
            &TFereastraRegistru::Anuleaza);
    connect(Buton(actiuni, QStringLiteral("&Istoric"), this), &QPushButton::clicked, this,
            &TFereastraRegistru::ArataIstoric);
    actiuni->addStretch();
    connect(Buton(actiuni, QStringLiteral("&Numar de inregistrare..."), this), &QPushButton::clicked, this,
            &TFereastraRegistru::StabilesteNumarul);
    connect(Buton(actiuni, QStringLiteral("&Tipareste..."), this), &QPushButton::clicked, this,
            &TFereastraRegistru::Tipareste);
    connect(Buton(actiuni, QStringLiteral("&Export..."), this), &QPushButton::clicked, this,
            &TFereastraRegistru::Exporta);
    connect(Buton(actiuni, QStringLiteral("Inchide"), this), &QPushButton::clicked, this, &QDialog::accept);

    auto* asezare = new QVBoxLayout(this);
    asezare->addLayout(cautare);
    asezare->addWidget(m_tabel);
    asezare->addLayout(actiuni);
    resize(1000, 560);
    Reincarca();
}

void TFereastraRegistru::Reincarca()
{
    const std::optional<TIntrareRegistru> aleasa = Selectata();
    m_intrari = TRegistruCertificate(DM().Tr()).Intrari();
    m_model.removeRows(0, m_model.rowCount());
    for (int i = 0; i < static_cast<int>(m_intrari.size()); ++i)
        m_model.appendRow(Rand(m_intrari.at(i), i));
    m_tabel->resizeColumnsToContents();
    AlegeOIntrare(aleasa ? QString::number(aleasa->NrInregistrare) : QString());
}

// The buttons act on the selected entry: there is always one while the list shows any, the
// one acted on last when it is still there.
void TFereastraRegistru::AlegeOIntrare(const QString& nrInregistrare)
{
    const QModelIndexList gasite =
        nrInregistrare.isEmpty() ? QModelIndexList()
                                 : m_filtru.match(m_filtru.index(0, 0), Qt::DisplayRole, nrInregistrare, 1, Qt::MatchExactly);
    if (!gasite.isEmpty())
        m_tabel->selectRow(gasite.first().row());
    else if (m_filtru.rowCount() > 0 && !m_tabel->selectionModel()->hasSelection())
        m_tabel->selectRow(0);
}

std::optional<TIntrareRegistru> TFereastraRegistru::Selectata() const
{
    const QModelIndexList alese = m_tabel->selectionModel()->selectedRows();
    if (alese.isEmpty())
        return std::nullopt;
    return m_intrari.at(alese.first().data(RolIntrare).toInt());
}

bool TFereastraRegistru::PredaSelectata(const QString& primitor)
{
    const std::optional<TIntrareRegistru> intrare = Selectata();
    if (!intrare)
        return false;
    TRegistruCertificate(DM().Tr()).Preda(intrare->Seria, intrare->Numar, primitor);
    Reincarca();
    return true;
}

bool TFereastraRegistru::AnuleazaSelectata(const QString& motiv)
{
    const std::optional<TIntrareRegistru> intrare = Selectata();
    if (!intrare)
        return false;
    TRegistruCertificate(DM().Tr()).Anuleaza(intrare->Seria, intrare->Numar, motiv);
    Reincarca();
    return true;
}

QStringList TFereastraRegistru::IstoricSelectata() const
{
    const std::optional<TIntrareRegistru> intrare = Selectata();
    if (!intrare)
        return {};
    QStringList linii;
    for (const TSchimbareStare& s : TRegistruCertificate(DM().Tr()).Istoric(intrare->Id)) {
        QString linie = QStringLiteral("%1  %2  (%3)").arg(s.Moment, TextStare(s.Stare), s.Utilizator);
        if (!s.Primitor.isEmpty())
            linie += QStringLiteral(": primit de ") + s.Primitor;
        if (!s.Motiv.isEmpty())
            linie += QStringLiteral(": ") + s.Motiv;
        linii << linie;
    }
    return linii;
}

void TFereastraRegistru::Preda()
{
    const std::optional<TIntrareRegistru> intrare = Selectata();
    if (!intrare) {
        Prompt().Informatie(QStringLiteral("Alegeti intai certificatul din registru."));
        return;
    }
    bool ok = false;
    const QString primitor =
        QInputDialog::getText(this, QStringLiteral("Predare"),
                              QStringLiteral("Certificatul a fost primit de (elevul sau imputernicitul lui):"),
                              QLineEdit::Normal, intrare->Nume, &ok);
    if (ok)
        RuleazaCuEroare([&] { PredaSelectata(primitor); });
}

void TFereastraRegistru::Anuleaza()
{
    if (!Selectata()) {
        Prompt().Informatie(QStringLiteral("Alegeti intai certificatul din registru."));
        return;
    }
    bool ok = false;
    const QString motiv = QInputDialog::getText(this, QStringLiteral("Anulare"), QStringLiteral("Motivul anularii:"),
                                                QLineEdit::Normal, QString(), &ok);
    if (ok)
        RuleazaCuEroare([&] { AnuleazaSelectata(motiv); });
}

void TFereastraRegistru::ArataIstoric()
{
    const std::optional<TIntrareRegistru> intrare = Selectata();
    if (!intrare) {
        Prompt().Informatie(QStringLiteral("Alegeti intai certificatul din registru."));
        return;
    }
    RuleazaCuEroare([&] {
        Prompt().InformatieCuDetalii(QStringLiteral("Certificatul seria %1 nr. %2, %3")
                                         .arg(intrare->Seria, NumarCartonAfisat(intrare->Numar), intrare->Nume),
                                     IstoricSelectata().join(u'\n'));
    });
}

// Once, to go on from a register kept on paper until now.
void TFereastraRegistru::StabilesteNumarul()
{
    RuleazaCuEroare([this] {
        TRegistruCertificate registru(DM().Tr());
        const int urmatorul = registru.UrmatorulNrInregistrare();
        bool ok = false;
        const int numar = QInputDialog::getInt(
            this, QStringLiteral("Numar de inregistrare"),
            QStringLiteral("Numarul de inregistrare al urmatorului certificat tiparit\n(de exemplu, cel care urmeaza "
                           "in registrul tinut pana acum pe hartie):"),
            urmatorul, urmatorul, std::numeric_limits<int>::max(), 1, &ok);
        if (ok && numar != urmatorul)
            registru.StabilesteUrmatorulNrInregistrare(numar);
    });
}

void TFereastraRegistru::Tipareste()
{
    RuleazaCuEroare([this] {
        const std::unique_ptr<TDocumentTiparit> document =
            TDocumentTiparit::Incepe(QStringLiteral("Registrul certificatelor"), true);
        if (!document)
            return;
        TiparesteRegistrul(*document, m_intrari, ScoalaRegistrului(m_intrari));
        document->Incheie();
    });
}

void TFereastraRegistru::Exporta()
{
    const QString fisier = QFileDialog::getSaveFileName(
        this, QStringLiteral("Exportul registrului"), QStringLiteral("registru.xlsx"),
        QStringLiteral("Registru de calcul (*.xlsx);;Text separat prin punct si virgula (*.csv);;PDF (*.pdf)"));
    if (!fisier.isEmpty())
        RuleazaCuEroare([&] { ExportaRegistrul(fisier, m_intrari); });
}
