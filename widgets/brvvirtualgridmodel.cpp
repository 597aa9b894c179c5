#include "widgets/brvvirtualgridmodel.h"

#include "base/eroare.h"
#include "widgets/brvvirtualgrid.h"

TBrvVirtualGridModel::TBrvVirtualGridModel(TBrvVirtualGrid& grila) : QAbstractTableModel(&grila), m_grila(grila) {}

void TBrvVirtualGridModel::Reseteaza(int coloane, int randuri)
{
    beginResetModel();
    m_coloane = coloane;
    m_randuri = randuri;
    endResetModel();
}

int TBrvVirtualGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_randuri;
}

int TBrvVirtualGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_coloane;
}

QVariant TBrvVirtualGridModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return QVariant();
    try {
        return m_grila.TextCelula(index.column(), index.row());
    } catch (const EEroare& e) {
        m_grila.RaporteazaEroare(e.Mesaj());
    } catch (const std::exception& e) {
        m_grila.RaporteazaEroare(QString::fromLocal8Bit(e.what()));
    }
    return QVariant();
}

bool TBrvVirtualGridModel::setData(const QModelIndex& index, const QVariant& valoare, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !valoare.canConvert<TBrvValoareDate>())
        return false;
    m_grila.SeteazaValoare(index.column(), index.row(), valoare.value<TBrvValoareDate>());
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags TBrvVirtualGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Whether a cell may really be edited is decided when editing starts.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}
