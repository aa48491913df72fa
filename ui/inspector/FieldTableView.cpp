#include "ui/inspector/FieldTableView.h"

#include "ui/common/SelectionPalette.h"
#include "ui/inspector/FieldTableModel.h"

#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLineEdit>

FieldTableView::FieldTableView(QWidget* parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setStretchLastSection(true);
    // The row under the hex view's caret stays marked while the focus is there.
    keepSelectionVisible(*this);
}

void FieldTableView::setModel(QAbstractItemModel* model)
{
    QTableView::setModel(model);
    sizeColumns();
}

// Wide enough for the widest text each column can hold, so that the columns
// do not jump as values change; the meaning takes the rest.
void FieldTableView::sizeColumns()
{
    const QFontMetrics fm = fontMetrics();
    const int pad = 2 * fm.horizontalAdvance(QLatin1Char('0'));
    const auto width = [&](const char* widest) { return fm.horizontalAdvance(QLatin1String(widest)) + pad; };
    QHeaderView* h = horizontalHeader();
    h->resizeSection(FieldTableModel::NameColumn, width("GOTO_ON_SUCCES"));
    h->resizeSection(FieldTableModel::OffsetColumn, width("Offset"));
    h->resizeSection(FieldTableModel::HexColumn, width("0xFFFFFFFF"));
    h->resizeSection(FieldTableModel::DecimalColumn, width("4294967295"));
}

bool FieldTableView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    if (index.isValid() && !FieldTableModel::isValueColumn(index.column()))
        return QTableView::edit(index.siblingAtColumn(FieldTableModel::HexColumn), trigger, event);
    return QTableView::edit(index, trigger, event);
}

void FieldTableView::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && state() != EditingState && currentIndex().isValid()
        && (runRowAction(currentIndex()) || edit(currentIndex(), EditKeyPressed, event))) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void FieldTableView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (state() != EditingState && runRowAction(indexAt(event->position().toPoint()))) {
        event->accept();
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

bool FieldTableView::runRowAction(const QModelIndex& index)
{
    return index.isValid() && m_rowAction && m_rowAction(index.row());
}

// The delegate's editor is the viewport's line edit while editing.
QWidget* FieldTableView::openEditor() const
{
    return isEditing() ? viewport()->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void FieldTableView::commitEditor()
{
    if (QWidget* editor = openEditor()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void FieldTableView::cancelEditor()
{
    if (QWidget* editor = openEditor())
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}
