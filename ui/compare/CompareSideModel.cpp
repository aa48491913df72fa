#include "ui/compare/CompareSideModel.h"

#include "ui/common/DisplayText.h"
#include "ui/compare/CompareMarks.h"
#include "ui/steplist/StepColor.h"
#include "ui/steplist/StepListModel.h"

CompareSideModel::CompareSideModel(pst::CompareSide side, QObject* parent) : QAbstractTableModel(parent), m_side(side)
{
}

void CompareSideModel::show(const pst::ScriptComparison* comparison, std::span<const pst::StepRow> rows)
{
    beginResetModel();
    m_comparison = comparison;
    m_rows = rows;
    endResetModel();
}

int CompareSideModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_comparison ? 0 : static_cast<int>(m_comparison->lines.size());
}

int CompareSideModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

int CompareSideModel::sideRow(const pst::CompareLine& line) const
{
    const int row = m_side == pst::CompareSide::Left ? line.left : line.right;
    return row >= 0 && static_cast<std::size_t>(row) < m_rows.size() ? row : -1;
}

QVariant CompareSideModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return {};
    const pst::CompareLine& line = m_comparison->lines[static_cast<std::size_t>(index.row())];
    const int row = sideRow(line);
    const bool idColumn = index.column() == IdColumn;
    switch (role) {
    case RowRole: return row;
    case KindRole: return static_cast<int>(line.kind);
    case Qt::BackgroundRole: {
        const QBrush mark = lineMark(line.kind, row < 0, line.movedRow >= 0);
        return mark.style() == Qt::NoBrush ? QVariant() : QVariant(mark);
    }
    case Qt::ToolTipRole: return toolTip(line, row);
    default: break;
    }
    if (row < 0)
        return {};
    const pst::StepRow& step = m_rows[static_cast<std::size_t>(row)];
    switch (role) {
    case Qt::DisplayRole: return toDisplay(idColumn ? step.caption : step.description);
    case Qt::ForegroundRole: {
        const QColor color = stepColorValue(lvScriptCustomDrawItem(step.caption, step.record.bytes()));
        return color.isValid() ? QVariant(color) : QVariant();
    }
    case Qt::DecorationRole: return idColumn ? QVariant(m_icons.icon(step.icon)) : QVariant();
    default: return {};
    }
}

// "Step 12: P1, GOTO_ON_ERR differ", "Step 20, moved: step 21 there", "No step here".
QString CompareSideModel::toolTip(const pst::CompareLine& line, int row) const
{
    if (row < 0)
        return QStringLiteral("No step here");
    QString text = QStringLiteral("Step %1").arg(row + 1);
    if (line.movedRow >= 0)
        text += QStringLiteral(", moved: step %1 there").arg(line.movedRow + 1);
    QStringList fields;
    for (const pst::FieldDifference& d : m_comparison->differencesOf(line))
        fields << qtText(d.name);
    if (!fields.isEmpty())
        text += QStringLiteral(": %1 differ").arg(fields.join(QStringLiteral(", ")));
    return text;
}

QVariant CompareSideModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return StepListModel::columnHeader(section, orientation, role);
}

Qt::ItemFlags CompareSideModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
}
