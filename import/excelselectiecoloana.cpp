#include "import/excelselectiecoloana.h"

#include "dialoguri/centreazafereastra.h"
#include "registre/coloaneexcel.h"
#include "widgets/brvvirtualgrid.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int LatimeMaxima = 300;
constexpr int Margine = 12;
constexpr int InaltimeAntet = 48;
} // namespace

int LatimeColoanaSelectie(const QStringList& texte)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    const QFontMetrics masura(font);
    int latime = 0;
    for (const QString& text : texte)
        latime = std::max(latime, masura.horizontalAdvance(text));
    return std::min(latime, LatimeMaxima) + Margine;
}

TExcelSelectieColoana::TExcelSelectieColoana(const TListaColoaneExcel& coloane, QWidget* parent)
    : QDialog(parent), m_coloane(coloane), m_eticheta(new QLabel(this)), m_grila(new TBrvVirtualGrid(this))
{
    setObjectName(QStringLiteral("TExcelSelectieColoana"));
    setWindowTitle(QStringLiteral("Selectie coloana EXCEL"));
    resize(720, 460);
    m_eticheta->hide();
    QFont bold = m_eticheta->font();
    bold.setBold(true);
    m_eticheta->setFont(bold);

    // The chosen column is shown by its colours; a current cell would only confuse it.
    m_grila->setSelectionMode(QAbstractItemView::NoSelection);
    m_grila->OnGetCellValue = [this](TBrvVirtualGridLine* linie, int coloana, TBrvValoareDate& valoare) {
        valoare.SetText(m_coloane.Coloane().at(size_t(coloana)).Text(static_cast<TLinieGrid*>(linie)->Rand));
    };
    m_grila->OnPotEdita = [](TBrvVirtualGridLine*, int, bool& potEdita) { potEdita = false; };
    m_grila->OnFormatCell = [this](TBrvVirtualGridLine*, int coloana, QColor& fundal, TBrvFontColorat& font) {
        if (m_coloane.Coloane().at(size_t(coloana)).Litera() != m_selectata)
            return;
        fundal = palette().color(QPalette::Highlight);
        font.Culoare = palette().color(QPalette::HighlightedText);
    };
    m_grila->OnCelulaApasata = [this](TBrvVirtualGridLine*, int coloana) { SelecteazaColoana(coloana); };
    AdaugaColoane();

    auto* asezare = new QVBoxLayout(this);
    asezare->addWidget(m_eticheta);
    asezare->addWidget(m_grila, 1);
    asezare->addWidget(Butoane());
    CentreazaFereastra(this);
}

void TExcelSelectieColoana::AdaugaColoane()
{
    m_grila->BeginUpdate();
    m_grila->SetNrColoaneFixe(0);
    for (const TColoanaExcel& sursa : m_coloane.Coloane()) {
        TBrvVirtualGridColumn& coloana = m_grila->Coloane().Add();
        coloana.SetNumeColoana(sursa.Litera());
        coloana.SetWidth(LatimeColoanaSelectie(sursa.Texte()));
    }
    for (int rand = 0; rand < m_coloane.NumarRanduri(); ++rand)
        m_grila->Linii().Adauga<TLinieGrid>()->Rand = rand;
    m_grila->EndUpdate();
    m_grila->SetHeaderHeight(InaltimeAntet);
}

QWidget* TExcelSelectieColoana::Butoane()
{
    auto* butoane = new QWidget(this);
    auto* asezare = new QHBoxLayout(butoane);
    asezare->setContentsMargins(0, 0, 0, 0);
    m_ok = new QPushButton(QStringLiteral("Ok"), butoane);
    m_renunt = new QPushButton(QStringLiteral("Renunt"), butoane);
    asezare->addStretch();
    asezare->addWidget(m_ok);
    asezare->addWidget(m_renunt);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &TExcelSelectieColoana::Ok);
    connect(m_renunt, &QPushButton::clicked, this, &TExcelSelectieColoana::Renunt);
    return butoane;
}

void TExcelSelectieColoana::SelecteazaColoana(int coloana)
{
    const QString& litere = m_coloane.Coloane().at(size_t(coloana)).Litera();
    if (litere == m_selectata)
        return;
    m_selectata = litere;
    m_grila->viewport()->update();
    m_eticheta->setText(QStringLiteral("Ati selectat coloana ") + litere);
    m_eticheta->show();
}

void TExcelSelectieColoana::Ok()
{
    if (!m_selectata.isEmpty())
        accept();
}
