#pragma once
// Finding one's way through the step list: the find bar (Ctrl+F; Enter and
// F3 the next match, Shift+F3 the previous one, round the end with a note;
// Escape back to the list) and the steps reached by following links, with
// Alt+Left and Alt+Right back and forward through those jumps. None of the
// keys is one of the popup menus' or the hex view's; they work wherever the
// focus is in the window.

#include "model/JumpHistory.h"
#include "model/StepFind.h"

#include <QtCore/QObject>

#include <functional>

class FindBar;
class QAction;
class QWidget;
class StepListModel;
class StepListView;

namespace pst {
class Editor;
}

class StepNavigator : public QObject {
    Q_OBJECT

public:
    using CommandRunner = std::function<bool(const std::function<void()>&)>;

    // The keys act in `window`.
    StepNavigator(pst::Editor& editor, CommandRunner run, StepListView& list, StepListModel& model, FindBar& bar,
                  QWidget& window);

    // The next or previous step that matches the bar's query, from the
    // selected one; with no query the bar opens.
    void find(pst::FindDirection direction);
    // A followed link leads to `row`: selected, and the step left is the
    // place to go back to.
    void jumpTo(int row);
    void back();
    void forward();

private:
    void addKey(QWidget& window, const char* name, const QKeySequence& keys, void (StepNavigator::*slot)());
    void openBar();
    void findNext() { find(pst::FindDirection::Next); }
    void findPrevious() { find(pst::FindDirection::Previous); }
    void barClosed();
    void select(int row);

    pst::Editor& m_editor;
    CommandRunner m_run;
    StepListView& m_list;
    StepListModel& m_model;
    FindBar& m_bar;
    pst::JumpHistory m_history;
};
