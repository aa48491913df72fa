#pragma once
// The compare window: the script of another module (left, as pstool's
// --compare shows it) against the editor's (right), as two step lists
// aligned line by line that scroll and select together, a gap where a step
// stands on one side only, what differs marked; below them the selected
// line's fields side by side. F7 and Shift+F7 go to the next and the
// previous difference; "Take from other" copies the selected step, or the
// selected field, into the editor's script as one command.
//
// It does not block the main window. It follows the edits of the editor's
// script, made anew a moment after the commands that changed the rows, the
// selection kept with the other script's step it showed; it closes when a
// new script is loaded or the main window closes.

#include "compare/ScriptToCompare.h"

#include <QtCore/QTimer>
#include <QtWidgets/QWidget>

class CompareFieldsModel;
class CompareSideModel;
class EditorSession;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;
class StepListView;

class CompareWindow : public QWidget {
    Q_OBJECT

public:
    // How long after an edit the comparison is made anew; edits meanwhile
    // wait for the same one.
    static constexpr int kFollowDelayMs = 100;

    // A window of its own over `mainWindow` (which it closes with), deleted
    // when closed. The session must outlive it.
    CompareWindow(EditorSession& session, pst::ChosenScript other, QWidget* mainWindow);
    ~CompareWindow() override;

    StepListView* otherList() const { return m_left; }
    StepListView* editedList() const { return m_right; }
    QTableView* fieldTable() const { return m_fields; }
    QPushButton* takeButton() const { return m_take; }
    QCheckBox* logsBox() const { return m_logs; }
    QString statusText() const;
    const pst::ScriptComparison& comparison() const { return m_comparison; }

    // The selected line (a row of both lists), or -1.
    int selectedLine() const;
    void selectLine(int line);
    // F7 and Shift+F7; at the last difference the selection stays.
    void nextDifference();
    void previousDifference();
    // "Take from other": the field selected below (nothing when it does not
    // differ), or with none the selected step.
    void takeFromOther();
    // Compares anew now, not a moment after the edit.
    void recompute();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets();
    QWidget* buildLists();
    QWidget* buildBar();
    void connectWidgets();
    void followScrolling(StepListView* from, StepListView* to);
    void lineSelected(int line);
    void goToDifference(int line, const QString& none);
    void showFields();
    void updateTake();
    void showSummary();
    void editorChanged();
    bool comparedRowsAreCurrent() const;
    pst::CompareInput otherInput() const;
    pst::CompareInput editedInput() const;

    EditorSession& m_session;
    std::string m_path;
    pst::ParsedScript m_other;
    // The editor's rows as last compared: the lists show these until the
    // comparison is made anew.
    std::vector<pst::StepRow> m_edited;
    std::uint64_t m_comparedRevision = 0;
    pst::ScriptComparison m_comparison;
    pst::CompareOptions m_options;

    CompareSideModel* m_leftModel = nullptr;
    CompareSideModel* m_rightModel = nullptr;
    CompareFieldsModel* m_fieldsModel = nullptr;
    StepListView* m_left = nullptr;
    StepListView* m_right = nullptr;
    QTableView* m_fields = nullptr;
    QLabel* m_status = nullptr;
    QCheckBox* m_logs = nullptr;
    QPushButton* m_previous = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_take = nullptr;
    QTimer m_follow;
    bool m_syncing = false;
};
