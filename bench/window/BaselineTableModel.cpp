#include "BaselineTableModel.h"

BaselineTableModel::BaselineTableModel(QList<QString> ids, QList<QString> descriptions, QObject* parent)
    : QAbstractTableModel(parent), m_ids(std::move(ids)), m_descriptions(std::move(descriptions))
{
}

int BaselineTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_ids.size());
}

int BaselineTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant BaselineTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_ids.size())
        return {};
    return index.column() == 0 ? m_ids[index.row()] : m_descriptions[index.row()];
}

QVariant BaselineTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? QStringLiteral("ID") : QStringLiteral("Description");
}
