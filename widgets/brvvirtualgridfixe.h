#pragma once

#include <QTableView>

class TBrvVirtualGrid;

// The fixed columns: a second view over the grid's model, laid over the left of the grid,
// scrolled up and down with it and never sideways. It takes no focus: the keyboard stays
// with the grid.
class TBrvVirtualGridFixe : public QTableView {
    Q_OBJECT
public:
    explicit TBrvVirtualGridFixe(TBrvVirtualGrid& grila);

    void scrollTo(const QModelIndex&, ScrollHint) override {}

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    TBrvVirtualGrid& m_grila;
};
