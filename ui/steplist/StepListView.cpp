#include "ui/steplist/StepListView.h"

#include "ui/common/Fonts.h"
#include "ui/common/SelectionPalette.h"

#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtWidgets/QHeaderView>

StepListView::StepListView(QWidget* parent) : QTreeView(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(16, 16));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFont(stepListFont());
    configureHeader();
    keepSelectionVisible(*this);
}

void StepListView::configureHeader()
{
    QHeaderView* h = header();
    h->setSectionsMovable(false);
    h->setSectionsClickable(false);
    h->setStretchLastSection(true);
    h->setMinimumSectionSize(0);
    h->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void StepListView::setModel(QAbstractItemModel* model)
{
    QTreeView::setModel(model);
    relayoutColumns();
}

// The header sizes the stretched Description column by itself; laying out
// the rows again would only repeat, for every row of a long script, what the
// load has just done.
void StepListView::relayoutColumns()
{
    header()->resizeSection(0, kIdColumnWidth);
    header()->setStretchLastSection(true);
}

int StepListView::selectedRow() const
{
    if (!selectionModel())
        return -1;
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

void StepListView::showSelectedRow(int row)
{
    QItemSelectionModel* selection = selectionModel();
    if (!selection || !model())
        return;
    const QModelIndex index = model()->index(row, 0);
    if (!index.isValid()) {
        selection->clearSelection();
        return;
    }
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void StepListView::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QTreeView::drawRow(painter, option, index);
    // Grid lines: below the row and between the columns.
    painter->save();
    painter->setPen(palette().color(QPalette::Midlight).darker(115));
    const QRect r = option.rect;
    painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    const int x = columnViewportPosition(0) + columnWidth(0) - 1;
    painter->drawLine(x, r.top(), x, r.bottom());
    painter->restore();
}

void StepListView::mousePressEvent(QMouseEvent* event)
{
    if (indexAt(event->position().toPoint()).isValid()) {
        QTreeView::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    event->accept();
    emit clickedBelowRows();
}

// The view would copy the current cell's text ("DC"), which Past in the hex
// view would then read as bytes.
void StepListView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}
