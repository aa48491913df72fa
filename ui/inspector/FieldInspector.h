#pragma once
// The field inspector beside the hex view: the selected step's fields by
// name, with offset, value in hex and decimal, and meaning, decoded from the
// bytes the hex view shows (the editor's record buffer). A typed value is
// written by the editor's one write of record bytes, as if typed into the
// hex view: one undo step there, the bytes marked as changed, the record
// updated. A value that is not a number or does not fit the field shows an
// error below the table and writes nothing.
//
// The field under the hex view's caret is the selected row, whether the
// caret moved by mouse or keys; selecting a row puts the caret on its field's
// first byte (unless the caret is in that field already).
//
// Return or a double click on a link row follows the link: linkFollowed()
// names the step it points to, for the window to select; a link that points
// to no step says so below the table and goes nowhere.
//
// While hidden it does no work; it decodes again when shown. A value still
// being typed when the window is asked to close is written first, so that
// whatever the close does (store, ask) sees it; one being typed when another
// step comes to be shown (a dropped module), or when the inspector goes
// without a close, is dropped, never written.

#include "model/FieldValue.h"

#include <QtWidgets/QWidget>

#include <functional>
#include <string_view>

class FieldTableModel;
class FieldTableView;
class HexView;
class QAbstractItemView;
class QLabel;

namespace pst {
class Editor;
}

class FieldInspector : public QWidget {
    Q_OBJECT

public:
    // Runs one command of the window; false when it was refused or failed.
    using CommandRunner = std::function<bool(const std::function<void()>&, std::string_view caption)>;

    // `stepList` is the step list view: its rows and its selection.
    FieldInspector(pst::Editor& editor, CommandRunner run, HexView& hex, QAbstractItemView& stepList,
                   QWidget* parent = nullptr);
    ~FieldInspector() override;

    FieldTableModel& model() const { return *m_model; }
    FieldTableView* table() const { return m_table; }
    // "Step 3: A1 Write pattern", or "No step selected".
    QString heading() const;
    // The error of the last refused value; empty when there is none.
    QString errorText() const;
    // The row of the field under the hex view's caret, or -1.
    int currentField() const;

    // Writes a typed value into the field of `row`. False, with the error
    // shown, when the text is refused; true when taken (a value equal to the
    // field's writes nothing and adds no undo step).
    bool writeField(int row, const QString& text, pst::FieldBase base);

    // Follows the link in field row `row`; false when it is no link.
    bool followLink(int row);

signals:
    // A followed link leads to the step in list row `row`.
    void linkFollowed(int row);

public slots:
    // Decodes the shown bytes again (nothing while hidden).
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followCaret(qint64 offset);
    void fieldChosen(int row);
    void showError(const QString& text);
    void connectSources(QAbstractItemView& stepList);

    pst::Editor& m_editor;
    CommandRunner m_run;
    HexView& m_hex;
    FieldTableModel* m_model = nullptr;
    FieldTableView* m_table = nullptr;
    QLabel* m_heading = nullptr;
    QLabel* m_error = nullptr;
    int m_shownStep = -1;
    bool m_stepsReplaced = false;
    bool m_watchingWindow = false;
};
