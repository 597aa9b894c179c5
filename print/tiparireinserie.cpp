#include "print/tiparireinserie.h"

#include "dialoguri/centreazafereastra.h"
#include "base/userprompt.h"
#include "print/lucraretiparire.h"
#include "print/progresserie.h"
#include "print/registrareserie.h"
#include "print/verificareelevi.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

enum TColoana { ColoanaElev, ColoanaProbleme };
// The pupil's place in the list it came from: printing follows that order.
const int RolPozitie = Qt::UserRole;

QString NumarPagini(int numar)
{
    return numar == 1 ? QStringLiteral("o pagina") : QStringLiteral("%1 pagini").arg(numar);
}

} // namespace

TTiparireInSerie::TTiparireInSerie(const TLiniiAfisate& elevi, QWidget* parent)
    : QDialog(parent), m_elevi(elevi), m_lista(new QTreeWidget)
{
    setObjectName(QStringLiteral("TTiparireInSerie"));
    setWindowTitle(QStringLiteral("Tiparire in serie"));
    resize(1000, 520);
    m_lista->setHeaderLabels({QStringLiteral("Nume si prenume"), QStringLiteral("Ce nu este in regula")});
    m_lista->setRootIsDecorated(false);
    m_lista->setColumnWidth(ColoanaElev, 400);
    m_lista->header()->setStretchLastSection(true);
    m_lista->setSelectionMode(QAbstractItemView::NoSelection);
    auto* asezare = new QVBoxLayout(this);
    asezare->addWidget(new QLabel(QStringLiteral("Bifati elevii ale caror diplome le tipariti.")));
    asezare->addWidget(m_lista, 1);
    asezare->addWidget(Optiuni());
    AdaugaElevii(elevi);
    connect(m_lista, &QTreeWidget::itemChanged, this, &TTiparireInSerie::ArataBifati);
    ArataBifati();
    CentreazaFereastra(this);
}

QWidget* TTiparireInSerie::Optiuni()
{
    auto* bara = new QWidget;
    auto* asezare = new QGridLayout(bara);
    asezare->setContentsMargins(0, 0, 0, 0);
    m_pagina = new QComboBox;
    m_pagina->addItems({QStringLiteral("Fata"), QStringLiteral("Spate")});
    m_ordine = new QComboBox;
    m_ordine->addItems({QStringLiteral("in ordinea listei"), QStringLiteral("in ordine inversa")});
    m_numerotare = new TNumerotareSerie;
    connect(m_pagina, &QComboBox::currentIndexChanged, this,
            [this](int pagina) { m_numerotare->setEnabled(PaginaDinIndex(pagina) == TPaginaCertificat::Fata); });
    m_bifati = new QLabel;
    m_tipareste = new QPushButton(QStringLiteral("&Tipareste"));
    auto* renunt = new QPushButton(QStringLiteral("Renunt"));
    m_bifeazaTot = new QPushButton(QStringLiteral("&Bifeaza tot"));
    m_debifeazaTot = new QPushButton(QStringLiteral("&Debifeaza tot"));
    connect(m_bifeazaTot, &QPushButton::clicked, this, [this] { BifeazaToti(Qt::Checked); });
    connect(m_debifeazaTot, &QPushButton::clicked, this, [this] { BifeazaToti(Qt::Unchecked); });
    connect(m_tipareste, &QPushButton::clicked, this, &TTiparireInSerie::Tipareste);
    connect(renunt, &QPushButton::clicked, this, &TTiparireInSerie::Renunt);
    asezare->addWidget(new QLabel(QStringLiteral("Pagina:")), 0, 0);
    asezare->addWidget(m_pagina, 0, 1);
    asezare->addWidget(new QLabel(QStringLiteral("Ordinea:")), 1, 0);
    asezare->addWidget(m_ordine, 1, 1);
    asezare->addWidget(m_bifeazaTot, 0, 2);
    asezare->addWidget(m_debifeazaTot, 1, 2);
    asezare->addWidget(m_bifati, 0, 3, 2, 1, Qt::AlignCenter);
    asezare->addWidget(m_tipareste, 0, 4);
    asezare->addWidget(renunt, 1, 4);
    asezare->addWidget(m_numerotare, 0, 5, 2, 1);
    asezare->setColumnStretch(3, 1);
    return bara;
}

void TTiparireInSerie::AdaugaElevii(const TLiniiAfisate& elevi)
{
    QList<QTreeWidgetItem*> cuProbleme;
    QList<QTreeWidgetItem*> fara;
    int pozitie = 0;
    for (const TElevVerificat& elev : VerificaElevii(elevi)) {
        QTreeWidgetItem* rand = Rand(elev.Linie, pozitie++, elev.Constatari);
        (elev.Constatari.isEmpty() ? fara : cuProbleme).append(rand);
    }
    m_lista->addTopLevelItems(cuProbleme + fara);
}

QTreeWidgetItem* TTiparireInSerie::Rand(const TLinieAfisata& linie, int pozitie, const QStringList& constatari)
{
    // One finding a line, so that none is cut off.
    auto* rand = new QTreeWidgetItem({linie.Denumire, constatari.join(u'\n')});
    rand->setData(ColoanaElev, RolPozitie, pozitie);
    rand->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    rand->setCheckState(ColoanaElev, constatari.isEmpty() ? Qt::Checked : Qt::Unchecked);
    if (!constatari.isEmpty())
        rand->setForeground(ColoanaProbleme, QColor(0xB0, 0x00, 0x00));
    return rand;
}

void TTiparireInSerie::ArataBifati()
{
    m_bifati->setText(QStringLiteral("Bifati: %1 din %2").arg(DeTiparit().size()).arg(m_elevi.size()));
}

TLiniiAfisate TTiparireInSerie::DeTiparit() const
{
    std::vector<int> pozitii;
    for (int i = 0; i < m_lista->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* rand = m_lista->topLevelItem(i);
        if (rand->checkState(ColoanaElev) == Qt::Checked)
            pozitii.push_back(rand->data(ColoanaElev, RolPozitie).toInt());
    }
    std::sort(pozitii.begin(), pozitii.end());
    if (m_ordine->currentIndex() == 1)
        std::reverse(pozitii.begin(), pozitii.end());
    TLiniiAfisate alesi;
    for (const int pozitie : pozitii)
        alesi.push_back(m_elevi.at(pozitie));
    return alesi;
}

void TTiparireInSerie::Debifeaza(const TLiniiAfisate& tiparite)
{
    QSet<int> iesite;
    for (const TLinieAfisata& linie : tiparite)
        iesite.insert(linie.Id);
    for (int i = 0; i < m_lista->topLevelItemCount(); ++i) {
        QTreeWidgetItem* rand = m_lista->topLevelItem(i);
        if (iesite.contains(m_elevi.at(rand->data(ColoanaElev, RolPozitie).toInt()).Id))
            rand->setCheckState(ColoanaElev, Qt::Unchecked);
    }
}

void TTiparireInSerie::BifeazaToti(Qt::CheckState stare)
{
    for (int i = 0; i < m_lista->topLevelItemCount(); ++i)
        m_lista->topLevelItem(i)->setCheckState(ColoanaElev, stare);
}

bool TTiparireInSerie::AcceptaConstatarile() const
{
    QStringList nume;
    for (int i = 0; i < m_lista->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* rand = m_lista->topLevelItem(i);
        if (rand->checkState(ColoanaElev) == Qt::Checked && !rand->text(ColoanaProbleme).isEmpty())
            nume << QStringLiteral("- ") + rand->text(ColoanaElev);
    }
    if (nume.isEmpty())
        return true;
    return Prompt().Confirma(QStringLiteral("Datele acestor elevi bifati nu sunt in regula:\n%1\n\nTipariti totusi "
                                            "diplomele lor?")
                                 .arg(nume.join(u'\n')));
}

TLiniiAfisate TTiparireInSerie::TiparesteInRegistru(const TLiniiAfisate& alesi, TRezultatSerie& rezultat)
{
    if (!ImprimantaPregatita())
        return {};
    const std::optional<TNumerotareCartoane> numerotare = m_numerotare->Pregateste(alesi);
    if (!numerotare)
        return {};
    TInregistrareLaTiparire inregistrare(*numerotare);
    {
        TProgresFereastra progres(this);
        rezultat = TiparesteSeria(alesi, TPaginaCertificat::Fata, progres,
                                  [&inregistrare](const TLinieAfisata& elev, TTiparitorCertificate& tiparitor) {
                                      tiparitor.Inregistrare(inregistrare.Inregistreaza(elev.Id));
                                  });
    }
    m_numerotare->UrmatorulNumar(inregistrare.UrmatorulNumar());
    // The cards recorded after the last one that went out never reached the paper.
    const std::vector<TIntrareRegistru>& inregistrate = inregistrare.Tiparite();
    const auto ultimul = inregistrate.cbegin() + std::min<std::ptrdiff_t>(rezultat.Tiparite, inregistrate.size());
    RuleazaCuEroare([&] { AnuleazaCartoanele({ultimul, inregistrate.cend()}, MotivTiparireEsuata); });
    TLiniiAfisate iesite;
    for (const TIntrareRegistru& carton : CartoaneleIesiteBine({inregistrate.cbegin(), ultimul}, this))
        iesite.push_back({carton.IdElev, carton.Nume});
    return iesite;
}

void TTiparireInSerie::Tipareste()
{
    const TLiniiAfisate alesi = DeTiparit();
    if (alesi.empty()) {
        Prompt().Informatie(QStringLiteral("Va rog bifati cel putin un elev!"));
        return;
    }
    if (!AcceptaConstatarile())
        return;
    const TPaginaCertificat parte = PaginaDinIndex(m_pagina->currentIndex());
    TRezultatSerie rezultat;
    TLiniiAfisate iesite;
    if (parte == TPaginaCertificat::Fata && m_numerotare->isChecked()) {
        iesite = TiparesteInRegistru(alesi, rezultat);
    } else {
        TProgresFereastra progres(this);
        rezultat = TiparesteSeria(alesi, parte, progres);
        iesite.assign(alesi.cbegin(), alesi.cbegin() + rezultat.Tiparite);
    }
    Debifeaza(iesite);
    if (rezultat.Incheiata && iesite.size() < alesi.size()) {
        Prompt().Informatie(QStringLiteral("Tiparirea s-a incheiat: %1 trimise la imprimanta. Elevii cu cartoane "
                                           "anulate au ramas bifati.")
                                .arg(NumarPagini(rezultat.Tiparite)));
    } else if (rezultat.Incheiata) {
        Prompt().Informatie(QStringLiteral("Tiparirea s-a incheiat: %1 trimise la imprimanta.")
                                .arg(NumarPagini(rezultat.Tiparite)));
        accept();
    } else if (rezultat.Tiparite > 0) {
        Prompt().Informatie(QStringLiteral("Tiparirea s-a oprit: %1 trimise la imprimanta. Elevii netipariti au "
                                           "ramas bifati.")
                                .arg(NumarPagini(rezultat.Tiparite)));
    }
}
