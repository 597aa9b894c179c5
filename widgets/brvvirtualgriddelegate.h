#pragma once

#include "widgets/brvvaloaredate.h"

#include <QStyledItemDelegate>

class TBrvVirtualGrid;

// Paints a data cell by the grid's appearance rules and opens the standard editor.
class TBrvVirtualGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TBrvVirtualGridDelegate(TBrvVirtualGrid& grila);

    // The value and the typed key the next editor starts from.
    void PregatesteEditorul(const TBrvValoareDate& valoare, const QString& tasta);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget*, const QModelIndex&) const override {}
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

protected:
    // The editor handles its own keys; leaving it is no confirmation.
    bool eventFilter(QObject*, QEvent*) override { return false; }

private:
    void DeseneazaCelula(QPainter& painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;

    TBrvVirtualGrid& m_grila;
    TBrvValoareDate m_valoare;
    QString m_tasta;
};
