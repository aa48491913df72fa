#include "ui/inspector/FieldTableModel.h"

#include "ui/common/DisplayText.h"

#include <QtGui/QColor>

FieldTableModel::FieldTableModel(QObject* parent) : QAbstractTableModel(parent) {}

const pst::StepFieldInfo* FieldTableModel::field(int row) const
{
    return row >= 0 && row < static_cast<int>(m_fields.size()) ? &m_fields[static_cast<std::size_t>(row)] : nullptr;
}

void FieldTableModel::setFields(std::vector<pst::StepFieldInfo> fields)
{
    if (fields.size() != m_fields.size()) {
        beginResetModel();
        m_fields = std::move(fields);
        endResetModel();
        return;
    }
    m_fields = std::move(fields);
    if (!m_fields.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

int FieldTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_fields.size());
}

int FieldTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString FieldTableModel::hexText(const pst::StepFieldInfo& field)
{
    if (!field.value)
        return {};
    return QStringLiteral("0x") + QString::number(*field.value, 16).toUpper().rightJustified(2 * field.width, u'0');
}

QVariant FieldTableModel::displayData(const pst::StepFieldInfo& field, int column) const
{
    switch (column) {
    case NameColumn: return qtText(field.name);
    case OffsetColumn:
        return QStringLiteral("0x") + QString::number(field.offset, 16).toUpper().rightJustified(2, u'0');
    case HexColumn: return hexText(field);
    case DecimalColumn: return field.value ? QString::number(*field.value) : QString();
    case MeaningColumn: return toDisplay(field.meaning);
    default: return {};
    }
}

QVariant FieldTableModel::data(const QModelIndex& index, int role) const
{
    const pst::StepFieldInfo* f = index.isValid() ? field(index.row()) : nullptr;
    if (!f || index.column() >= ColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return displayData(*f, index.column());
    // The meaning may be cut off by the column's width.
    case Qt::ToolTipRole: return index.column() == MeaningColumn ? displayData(*f, index.column()) : QVariant();
    case Qt::ForegroundRole:
        return f->warning && index.column() == MeaningColumn ? QVariant(QColor(Qt::red)) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(index.column() == NameColumn || index.column() == MeaningColumn
                                       ? Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter)
                                       : Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    default: return {};
    }
}

QVariant FieldTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NameColumn: return QStringLiteral("Field");
    case OffsetColumn: return QStringLiteral("Offset");
    case HexColumn: return QStringLiteral("Hex");
    case DecimalColumn: return QStringLiteral("Decimal");
    case MeaningColumn: return QStringLiteral("Meaning");
    default: return {};
    }
}

Qt::ItemFlags FieldTableModel::flags(const QModelIndex& index) const
{
    const pst::StepFieldInfo* f = index.isValid() ? field(index.row()) : nullptr;
    if (!f)
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (f->editable() && isValueColumn(index.column()))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool FieldTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable) || !m_writer)
        return false;
    const pst::FieldBase base = index.column() == HexColumn ? pst::FieldBase::Hex : pst::FieldBase::Decimal;
    return m_writer(index.row(), value.toString(), base);
}
