#include "ui/window/StepNavigator.h"

#include "model/Editor.h"
#include "ui/steplist/FindBar.h"
#include "ui/steplist/StepListModel.h"
#include "ui/steplist/StepListView.h"

#include <QtGui/QAction>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QWidget>

StepNavigator::StepNavigator(pst::Editor& editor, CommandRunner run, StepListView& list, StepListModel& model,
                             FindBar& bar, QWidget& window)
    : QObject(&window), m_editor(editor), m_run(std::move(run)), m_list(list), m_model(model), m_bar(bar),
      m_history(editor.steps())
{
    addKey(window, "acFind", QKeySequence(Qt::CTRL | Qt::Key_F), &StepNavigator::openBar);
    addKey(window, "acFindNext", QKeySequence(Qt::Key_F3), &StepNavigator::findNext);
    addKey(window, "acFindPrevious", QKeySequence(Qt::SHIFT | Qt::Key_F3), &StepNavigator::findPrevious);
    addKey(window, "acJumpBack", QKeySequence(Qt::ALT | Qt::Key_Left), &StepNavigator::back);
    addKey(window, "acJumpForward", QKeySequence(Qt::ALT | Qt::Key_Right), &StepNavigator::forward);
    connect(&m_bar, &FindBar::queryChanged, this,
            [this](const QString& text) { m_model.setFindQuery(pst::StepQuery(text.toStdString())); });
    connect(&m_bar, &FindBar::nextRequested, this, &StepNavigator::findNext);
    connect(&m_bar, &FindBar::previousRequested, this, &StepNavigator::findPrevious);
    connect(&m_bar, &FindBar::closed, this, &StepNavigator::barClosed);
}

void StepNavigator::addKey(QWidget& window, const char* name, const QKeySequence& keys, void (StepNavigator::*slot)())
{
    auto* action = new QAction(&window);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, slot);
    window.addAction(action);
}

void StepNavigator::openBar()
{
    m_bar.open();
    m_model.setFindQuery(pst::StepQuery(m_bar.query().toStdString()));
}

// The highlight goes with the bar.
void StepNavigator::barClosed()
{
    m_model.setFindQuery(pst::StepQuery(""));
    m_list.setFocus(Qt::OtherFocusReason);
}

void StepNavigator::find(pst::FindDirection direction)
{
    const pst::StepQuery query(m_bar.query().toStdString());
    if (m_bar.isHidden() || query.empty()) {
        openBar();
        if (query.empty())
            return;
    }
    const pst::FindResult found = pst::findStep(m_editor.steps(), query, m_editor.steps().selected(), direction);
    if (found.row == pst::StepList::kNone) {
        m_bar.setNote(QStringLiteral("No step matches"));
        return;
    }
    if (found.wrapped)
        m_bar.setNote(direction == pst::FindDirection::Next ? QStringLiteral("Passed the last step, went on from the first")
                                                            : QStringLiteral("Passed the first step, went on from the last"));
    else
        m_bar.setNote({});
    select(found.row);
}

void StepNavigator::jumpTo(int row)
{
    m_history.jumped(m_editor.steps().selected());
    select(row);
}

void StepNavigator::back()
{
    const int row = m_history.back(m_editor.steps().selected());
    if (row != pst::StepList::kNone)
        select(row);
}

void StepNavigator::forward()
{
    const int row = m_history.forward(m_editor.steps().selected());
    if (row != pst::StepList::kNone)
        select(row);
}

void StepNavigator::select(int row)
{
    m_run([this, row] { m_editor.selectAndShow(row); });
}
