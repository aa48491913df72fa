// Undo and Redo of the script history: the first two items of the step
// list's menu, named after the step each would take, greyed when there is
// none. Their keys work anywhere in the window, the hex view included, whose
// own byte undo stays on Ctrl+Z; Ctrl+Z in the list stays "Set Eror Step to
// END".

#include "ui/common/DisplayText.h"
#include "ui/window/MainWindow.h"

#include <QtGui/QAction>
#include <QtWidgets/QMenu>

namespace {
QAction* historyAction(TfmScript* window, const char* name, const char* keys)
{
    auto* action = new QAction(window);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(QKeySequence(QLatin1String(keys), QKeySequence::PortableText));
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

void showStep(QAction* action, const char* verb, std::string_view caption)
{
    QString text = QLatin1String(verb);
    if (!caption.empty())
        text += QLatin1Char(' ') + toDisplay(std::string(caption));
    action->setText(text);
    action->setEnabled(!caption.empty());
}
} // namespace

void TfmScript::addHistoryActions(QMenu* menu)
{
    m_miUndo = historyAction(this, "miUndo", "Alt+Backspace");
    m_miRedo = historyAction(this, "miRedo", "Shift+Alt+Backspace");
    connect(m_miUndo, &QAction::triggered, this, [this] { run(pst::handler<&pst::Editor::miUndoClick>); });
    connect(m_miRedo, &QAction::triggered, this, [this] { run(pst::handler<&pst::Editor::miRedoClick>); });
    QAction* first = menu->actions().value(0);
    menu->insertActions(first, {m_miUndo, m_miRedo});
    menu->insertSeparator(first);
    showHistorySteps();
}

void TfmScript::showHistorySteps()
{
    if (!m_miUndo)
        return;
    const pst::ScriptHistory& history = editor().history();
    showStep(m_miUndo, "Undo", history.undoCaption());
    showStep(m_miRedo, "Redo", history.redoCaption());
}
