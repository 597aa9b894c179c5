#include "widgets/brvvirtualgrid.h"

#include "base/userprompt.h"
#include "widgets/brvvgrideditorform.h"
#include "widgets/brvvirtualgriddelegate.h"
#include "widgets/brvvirtualgridfixe.h"
#include "widgets/brvvirtualgridheader.h"
#include "widgets/brvvirtualgridmodel.h"
#include "widgets/scaleazamarime.h"
#include "widgets/textvaloare.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>

namespace {

constexpr int IntervalTic = 100;

void AplicaAtribute(QFont& font, quint8 atribute)
{
    using L = TBrvVirtualGridLine;
    if (atribute & L::BoldDa)
        font.setBold(true);
    if (atribute & L::BoldNu)
        font.setBold(false);
    if (atribute & L::ItalicDa)
        font.setItalic(true);
    if (atribute & L::ItalicNu)
        font.setItalic(false);
    const std::pair<quint8, int> marimi[] = {{L::Marime6, 6}, {L::Marime8, 8}, {L::Marime10, 10}, {L::Marime11, 11}};
    for (const auto& [bit, puncte] : marimi)
        if (atribute & bit)
            font.setPointSize(puncte);
}

} // namespace

TBrvVirtualGrid::TBrvVirtualGrid(QWidget* parent)
    : QTableView(parent),
      m_contor([this] { Relayout(); }),
      m_coloane(m_contor, [this] { PosteazaRelayout(); }),
      m_linii(m_contor),
      m_model(new TBrvVirtualGridModel(*this)),
      m_delegate(new TBrvVirtualGridDelegate(*this)),
      m_header(new TBrvVirtualGridHeader(*this, this)),
      m_fixe(nullptr)
{
    setHorizontalHeader(m_header);
    setModel(m_model);
    setItemDelegate(m_delegate);
    setShowGrid(false);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setCornerButtonEnabled(false);
    setMouseTracking(true);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->hide();

    m_fixe = new TBrvVirtualGridFixe(*this);
    m_fixe->setModel(m_model);
    m_fixe->setSelectionModel(selectionModel());
    m_fixe->setItemDelegate(m_delegate);
    m_fixe->hide();
    connect(verticalScrollBar(), &QScrollBar::valueChanged, m_fixe->verticalScrollBar(), &QScrollBar::setValue);
    connect(m_fixe->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);

    m_tic.setInterval(IntervalTic);
    connect(&m_tic, &QTimer::timeout, this, &TBrvVirtualGrid::Tic);
    connect(this, &QAbstractItemView::clicked, this, &TBrvVirtualGrid::CelulaApasata);
    // A view repaints only the cell that lost or gained the focus; a selected line is wider.
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (m_optiuni & goSelectezLinia) {
            viewport()->update();
            m_fixe->viewport()->update();
        }
    });
    Relayout();
}

TBrvVirtualGrid::~TBrvVirtualGrid()
{
    m_distrugere = true;
    m_tic.stop();
    delete m_fixe;
    m_fixe = nullptr;
}

QTableView* TBrvVirtualGrid::VedereFixa() const
{
    return m_fixe;
}

void TBrvVirtualGrid::PosteazaRelayout()
{
    if (m_relayoutPostat || m_distrugere)
        return;
    m_relayoutPostat = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_relayoutPostat = false;
            Relayout();
        },
        Qt::QueuedConnection);
}

void TBrvVirtualGrid::Relayout()
{
    if (m_distrugere || !m_fixe)
        return;
    const int coloane = m_coloane.Count();
    m_celule.Goleste();
    m_eroriRaportate.clear();
    m_model->Reseteaza(coloane, m_linii.Count());
    for (int c = 0; c < coloane; ++c) {
        const int latime = ScaleazaMarime(m_coloane[c].Width());
        m_header->resizeSection(c, latime);
        m_fixe->horizontalHeader()->resizeSection(c, latime);
    }
    AplicaInaltimiRanduri();
    const int numar = std::max(1, coloane);
    m_coloaneFixe = m_nrColoaneFixe < numar ? m_nrColoaneFixe : (numar > 1 ? 1 : 0);
    if (coloane > 0) {
        m_header->setFixedHeight(m_headerHeight);
        m_fixe->horizontalHeader()->setFixedHeight(m_headerHeight);
    }
    AplicaColoaneFixe();
    viewport()->update();
    m_fixe->viewport()->update();
}

void TBrvVirtualGrid::AplicaInaltimiRanduri()
{
    const int implicita = ScaleazaMarime(m_defaultRowHeight);
    for (QHeaderView* randuri : {verticalHeader(), m_fixe->verticalHeader()}) {
        randuri->setDefaultSectionSize(implicita);
        for (int r = 0; r < m_linii.Count(); ++r)
            if (const int inaltime = m_linii.Linie(r)->Inaltime)
                randuri->resizeSection(r, ScaleazaMarime(inaltime));
    }
}

void TBrvVirtualGrid::AplicaColoaneFixe()
{
    int latime = 0;
    for (int c = 0; c < m_coloane.Count(); ++c) {
        const bool fixa = c < m_coloaneFixe;
        setColumnHidden(c, fixa);
        m_fixe->setColumnHidden(c, !fixa);
        if (fixa)
            latime += m_fixe->horizontalHeader()->sectionSize(c);
    }
    // The grid keeps room on its left for the fixed view where a row header would be.
    verticalHeader()->setFixedWidth(latime);
    verticalHeader()->setVisible(m_coloaneFixe > 0);
    m_fixe->setVisible(m_coloaneFixe > 0);
    updateGeometries();
}

void TBrvVirtualGrid::updateGeometries()
{
    QTableView::updateGeometries();
    if (!m_fixe || m_coloaneFixe == 0)
        return;
    const QRect vedere = viewport()->geometry();
    const int latime = verticalHeader()->width();
    const int sus = horizontalHeader()->height();
    m_fixe->setGeometry(vedere.left() - latime, vedere.top() - sus, latime, vedere.height() + sus);
    m_fixe->raise();
}

int TBrvVirtualGrid::HeaderHeight() const
{
    return m_coloane.Count() == 0 ? -1 : m_headerHeight;
}

void TBrvVirtualGrid::SetHeaderHeight(int inaltime)
{
    if (m_coloane.Count() == 0)
        return;
    m_headerHeight = std::max(0, inaltime);
    m_header->setFixedHeight(m_headerHeight);
    m_fixe->horizontalHeader()->setFixedHeight(m_headerHeight);
    updateGeometries();
}

void TBrvVirtualGrid::SetNrColoaneFixe(int numar)
{
    m_contor.Schimba([&] { m_nrColoaneFixe = std::max(0, numar); });
}

void TBrvVirtualGrid::SetOptiuni(TBrvGridOptions optiuni)
{
    m_optiuni = optiuni;
    viewport()->update();
    m_fixe->viewport()->update();
}

void TBrvVirtualGrid::SetDefaultRowHeight(int inaltime)
{
    m_contor.Schimba([&] { m_defaultRowHeight = std::max(0, inaltime); });
}

TBrvValoareDate TBrvVirtualGrid::ValoareCelula(int coloana, int rand) const
{
    TBrvValoareDate valoare;
    if (OnGetCellValue)
        OnGetCellValue(m_linii.Linie(rand), coloana, valoare);
    return valoare;
}

QString TBrvVirtualGrid::TextCelula(int coloana, int rand) const
{
    TBrvVirtualGridLine* linie = m_linii.Linie(rand);
    if (!linie || coloana < 0 || coloana >= m_coloane.Count())
        return QString();
    const TBrvVirtualGridColumn& c = m_coloane[coloana];
    if (c.OnGetText) {
        QString text;
        c.OnGetText(linie, text);
        return text;
    }
    const TBrvValoareDate valoare = ValoareCelula(coloana, rand);
    if (!OnGetCellValue || valoare.TipValoare() == TBrvValoareDate::TipFaraDate)
        return QStringLiteral("!NoData!");
    if (c.TipDeDate() != atAuto && c.TipDeDate() != atAsk && int(valoare.TipValoare()) != int(c.TipDeDate()))
        throw EEroare(QStringLiteral("Nepotrivire de date cand citesc coloana ") + c.NumeColoana());
    QString text = FormateazaValoare(valoare);
    if (OnCustomText)
        OnCustomText(linie, valoare, coloana, text);
    return text;
}

QColor TBrvVirtualGrid::CuloareLinii(int coloana) const
{
    return palette().color(coloana < m_coloaneFixe ? QPalette::WindowText : QPalette::Dark);
}

TAspectCelula TBrvVirtualGrid::AspectCelula(int coloana, int rand, bool selectat) const
{
    const TBrvVirtualGridColumn& c = m_coloane[coloana];
    TBrvVirtualGridLine* linie = m_linii.Linie(rand);
    const bool randCurent = (m_optiuni & goSelectezLinia) && rand == currentIndex().row();
    selectat = selectat || randCurent;
    const TBrvCuloriColoana& stil = c.StilFolosit(linie->Stil());
    TAspectCelula aspect{selectat ? stil.CuloareBackgroundSelectat : stil.CuloareBackgroundNormal,
                         selectat ? stil.FontSelectat : stil.FontNormal, CuloareLinii(coloana), stil.Aliniere};
    if (!selectat) {
        if (linie->CuloareFundal.isValid())
            aspect.Fundal = linie->CuloareFundal;
        if (linie->CuloareText.isValid())
            aspect.Font.Culoare = linie->CuloareText;
    }
    AplicaAtribute(aspect.Font.Font, linie->Atribute);
    if (!selectat) {
        if (OnFormatCell)
            OnFormatCell(linie, coloana, aspect.Fundal, aspect.Font);
        aspect.Fundal = CuloareEvidentiata(aspect.Fundal, m_celule.Intensitate(coloana, rand));
    }
    if (randCurent)
        aspect.Fundal = palette().color(QPalette::Highlight);
    return aspect;
}

void TBrvVirtualGrid::RaporteazaEroare(const QString& mesaj) const
{
    if (m_eroriRaportate.contains(mesaj))
        return;
    m_eroriRaportate.insert(mesaj);
    // Never from inside a paint: a message box there would repaint the grid under it.
    QTimer::singleShot(0, this, [mesaj] { Prompt().Eroare(mesaj); });
}

void TBrvVirtualGrid::MouseLaCelula(int coloana, int rand)
{
    m_mouseColoana = coloana;
    m_mouseRand = rand;
    if (coloana < 0 || rand < 0 || coloana >= m_coloane.Count())
        return;
    if (m_optiuni & goSelectezLinia) {
        for (int c = m_coloaneFixe; c < m_coloane.Count(); ++c) {
            m_celule.Evidentiaza(c, rand);
            ActualizeazaCelula(c, rand);
        }
    } else if (coloana >= m_coloaneFixe) {
        m_celule.Evidentiaza(coloana, rand);
        ActualizeazaCelula(coloana, rand);
    } else {
        return;
    }
    if (!m_tic.isActive())
        m_tic.start();
}

bool TBrvVirtualGrid::SubMouse(const TBrvCelulaGrid& celula) const
{
    if (m_mouseRand < 0 || celula.Rand != m_mouseRand)
        return false;
    return (m_optiuni & goSelectezLinia) || celula.Coloana == m_mouseColoana;
}

void TBrvVirtualGrid::Tic()
{
    for (const TBrvCelulaGrid& celula : m_celule.Tic([this](const TBrvCelulaGrid& c) { return SubMouse(c); }))
        ActualizeazaCelula(celula.Coloana, celula.Rand);
    if (m_celule.Goala())
        m_tic.stop();
}

void TBrvVirtualGrid::ActualizeazaCelula(int coloana, int rand)
{
    viewport()->update(visualRect(m_model->index(rand, coloana)));
}

void TBrvVirtualGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    MouseLaCelula(index.isValid() ? index.column() : -1, index.isValid() ? index.row() : -1);
    QTableView::mouseMoveEvent(event);
}

bool TBrvVirtualGrid::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Leave)
        MouseLaCelula(-1, -1);
    return QTableView::viewportEvent(event);
}

void TBrvVirtualGrid::CelulaApasata(const QModelIndex& index)
{
    TBrvVirtualGridLine* linie = m_linii.Linie(index.row());
    if (OnCelulaApasata && linie)
        RuleazaCuEroare([&] { OnCelulaApasata(linie, index.column()); });
}

void TBrvVirtualGrid::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex index = currentIndex();
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString text = event->text();
    const bool caracter = text.size() == 1 && text[0].isLetterOrNumber()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (index.isValid() && state() != QAbstractItemView::EditingState && (enter || caracter)) {
        Editeaza(index.column(), index.row(), enter ? QString() : text);
        return;
    }
    QTableView::keyPressEvent(event);
}

bool TBrvVirtualGrid::Editeaza(int coloana, int rand, const QString& tasta)
{
    TBrvVirtualGridLine* linie = m_linii.Linie(rand);
    if (!linie || coloana < m_coloaneFixe || coloana >= m_coloane.Count())
        return false;
    bool deschis = false;
    RuleazaCuEroare([&] {
        const TBrvValoareDate valoare = ValoareCelula(coloana, rand);
        if (!valoare.AreTipReal())
            return;
        bool potEdita = true;
        if (OnPotEdita)
            OnPotEdita(linie, coloana, potEdita);
        if (!potEdita)
            return;
        const TBrvVirtualGridColumn& c = m_coloane[coloana];
        bool standard = !c.OnApeleazaEditor;
        if (c.OnApeleazaEditor)
            c.OnApeleazaEditor(linie, standard);
        if (!standard)
            return;
        m_delegate->PregatesteEditorul(valoare, tasta);
        const QModelIndex index = m_model->index(rand, coloana);
        setCurrentIndex(index);
        deschis = edit(index, QAbstractItemView::AllEditTriggers, nullptr);
        if (auto* editor = qobject_cast<TBrvVGridEditorForm*>(indexWidget(index)))
            editor->LaDeschidere();
    });
    return deschis;
}

void TBrvVirtualGrid::SeteazaValoare(int coloana, int rand, const TBrvValoareDate& valoare)
{
    TBrvVirtualGridLine* linie = m_linii.Linie(rand);
    if (OnSetCellValue && linie)
        RuleazaCuEroare([&] { OnSetCellValue(linie, coloana, valoare); });
    viewport()->update();
}

void TBrvVirtualGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableView::closeEditor(editor, hint);
    setFocus();
}
