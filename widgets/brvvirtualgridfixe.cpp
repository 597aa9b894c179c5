#include "widgets/brvvirtualgridfixe.h"

#include "widgets/brvvirtualgrid.h"
#include "widgets/brvvirtualgridheader.h"

#include <QMouseEvent>
#include <QScrollBar>

TBrvVirtualGridFixe::TBrvVirtualGridFixe(TBrvVirtualGrid& grila) : QTableView(&grila), m_grila(grila)
{
    setHorizontalHeader(new TBrvVirtualGridHeader(grila, this));
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::NoFrame);
    setShowGrid(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(grila.verticalScrollMode());
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setMouseTracking(true);
    setAutoScroll(false);
}

void TBrvVirtualGridFixe::mouseMoveEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    m_grila.MouseLaCelula(index.isValid() ? index.column() : -1, index.isValid() ? index.row() : -1);
}

void TBrvVirtualGridFixe::mousePressEvent(QMouseEvent* event)
{
    // A fixed cell is never selected; the click still reaches the owner.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && event->button() == Qt::LeftButton)
        m_grila.CelulaApasata(index);
    m_grila.setFocus();
}

bool TBrvVirtualGridFixe::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Leave)
        m_grila.MouseLaCelula(-1, -1);
    return QTableView::viewportEvent(event);
}
