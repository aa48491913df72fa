#include "ui/compare/CompareFieldsModel.h"

#include "ui/common/DisplayText.h"
#include "ui/compare/CompareMarks.h"

#include <QtGui/QFont>

CompareFieldsModel::CompareFieldsModel(QString otherName, QObject* parent)
    : QAbstractTableModel(parent), m_otherName(std::move(otherName))
{
}

void CompareFieldsModel::show(std::vector<pst::CompareFieldRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

const pst::FieldDifference* CompareFieldsModel::difference(int row) const
{
    return row >= 0 && static_cast<std::size_t>(row) < m_rows.size() ? m_rows[static_cast<std::size_t>(row)].difference
                                                                      : nullptr;
}

int CompareFieldsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CompareFieldsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant CompareFieldsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return {};
    const pst::CompareFieldRow& row = m_rows[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case NameColumn: return qtText(row.name);
        case OtherColumn: return qtText(row.left);
        default: return qtText(row.right);
        }
    case Qt::BackgroundRole: return row.difference ? QVariant(changedFieldMark()) : QVariant();
    case Qt::FontRole: {
        if (!row.difference)
            return {};
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    default: return {};
    }
}

QVariant CompareFieldsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NameColumn: return QStringLiteral("Field");
    case OtherColumn: return m_otherName;
    case EditedColumn: return QStringLiteral("In the editor");
    default: return {};
    }
}
