#pragma once
// The field inspector's table: one row per field, the whole row selected.
// A value is edited by typing on the row, by Return or by a double click
// (on a row the row action takes, a link, Return and a double click run it
// instead and the value is edited by typing);
// unless the decimal column is the current one, the hex column takes it.
// Enter (or Tab) writes, Esc drops what was typed. F2 stays the window's
// key that shows and hides the inspector.

#include <QtWidgets/QTableView>

#include <functional>

class FieldTableView : public QTableView {
    Q_OBJECT

public:
    explicit FieldTableView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    // Runs on Return or a double click on a row; true when it took the row.
    void setRowAction(std::function<bool(int row)> action) { m_rowAction = std::move(action); }
    // A value's editor is open.
    bool isEditing() const { return state() == EditingState; }
    // Writes the value being typed, as Enter would, and closes its editor.
    void commitEditor();
    // Closes the editor and drops what was typed, as Esc would.
    void cancelEditor();

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void sizeColumns();
    QWidget* openEditor() const;
    bool runRowAction(const QModelIndex& index);

    std::function<bool(int row)> m_rowAction;
};
