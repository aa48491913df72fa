#include "ui/steplist/StepListModel.h"

#include "ui/common/DisplayText.h"
#include "ui/steplist/StepColor.h"
#include "ui/steplist/StepLinksToolTip.h"

#include "model/LinkTarget.h"

#include <QtWidgets/QApplication>
#include <QtWidgets/QStyle>

StepListModel::StepListModel(pst::StepList& steps, QObject* parent) : QAbstractTableModel(parent), m_steps(steps)
{
    m_steps.addObserver(this);
}

StepListModel::~StepListModel() { m_steps.removeObserver(this); }

int StepListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_steps.size();
}

int StepListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant StepListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !m_steps.valid(index.row()) || index.column() >= ColumnCount)
        return {};
    const pst::StepRow& row = m_steps.row(index.row());
    const bool idColumn = index.column() == IdColumn;
    switch (role) {
    case Qt::DisplayRole: return displayData(row, index.column());
    case Qt::ForegroundRole: return foregroundData(row);
    case Qt::DecorationRole: return idColumn ? QVariant(m_icons.icon(row.icon)) : warningMark(row);
    case Qt::BackgroundRole: return m_query.matches(row) ? QVariant(findHighlight()) : QVariant();
    case IconIndexRole: return idColumn ? QVariant(static_cast<int>(row.icon)) : QVariant();
    case Qt::ToolTipRole: return stepLinksToolTip(m_steps, index.row());
    default: return {};
    }
}

QVariant StepListModel::displayData(const pst::StepRow& row, int column) const
{
    return toDisplay(column == IdColumn ? row.caption : row.description);
}

QVariant StepListModel::foregroundData(const pst::StepRow& row) const
{
    const QColor color = stepColorValue(lvScriptCustomDrawItem(row.caption, row.record.bytes()));
    return color.isValid() ? QVariant(color) : QVariant();
}

QVariant StepListModel::warningMark(const pst::StepRow& row) const
{
    if (!pst::hasLinkOutsideScript(row.record, m_steps))
        return {};
    if (m_warningIcon.isNull())
        m_warningIcon = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    return m_warningIcon;
}

QColor StepListModel::findHighlight() { return {255, 255, 168}; }

void StepListModel::setFindQuery(const pst::StepQuery& query)
{
    m_query = query;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1), {Qt::BackgroundRole});
}

QVariant StepListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return columnHeader(section, orientation, role);
}

QVariant StepListModel::columnHeader(int section, Qt::Orientation orientation, int role)
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case IdColumn: return QStringLiteral("ID");
    case DescriptionColumn: return QStringLiteral("Description");
    default: return {};
    }
}

Qt::ItemFlags StepListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

// --- StepListObserver ----------------------------------------------------------

void StepListModel::rowsAboutToBeInserted(int first, int last) { beginInsertRows({}, first, last); }

void StepListModel::rowsInserted(int, int) { endInsertRows(); }

void StepListModel::rowsAboutToBeRemoved(int first, int last) { beginRemoveRows({}, first, last); }

void StepListModel::rowsRemoved(int, int) { endRemoveRows(); }

void StepListModel::rowAboutToBeMoved(int from, int to)
{
    // Qt counts the destination before the move: one down is two further.
    m_moving = beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
}

void StepListModel::rowMoved(int, int)
{
    if (m_moving)
        endMoveRows();
    m_moving = false;
}

void StepListModel::listAboutToBeReset() { beginResetModel(); }

void StepListModel::listReset() { endResetModel(); }

void StepListModel::rowsChanged(int first, int last)
{
    emit dataChanged(index(first, 0), index(last, ColumnCount - 1));
}

void StepListModel::selectionChanged(int, int current) { emit selectedRowChanged(current); }
