#pragma once

#include "widgets/brvvaloaredate.h"

#include <QAbstractTableModel>
#include <QMetaType>

class TBrvVirtualGrid;

Q_DECLARE_METATYPE(TBrvValoareDate)

// The grid's rows and columns as Qt sees them. It keeps no cell value: the displayed text
// is asked of the grid (and so of its owner) every time, and an edited value goes straight
// to the owner. The counts change only when the grid is laid out.
class TBrvVirtualGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TBrvVirtualGridModel(TBrvVirtualGrid& grila);

    void Reseteaza(int coloane, int randuri);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    // The text, or nothing when it cannot be had (the failure is reported by the grid).
    QVariant data(const QModelIndex& index, int role) const override;
    // Takes a TBrvValoareDate and hands it to the owner.
    bool setData(const QModelIndex& index, const QVariant& valoare, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    TBrvVirtualGrid& m_grila;
    int m_coloane = 0;
    int m_randuri = 0;
};
