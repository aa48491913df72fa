// Undo and Redo of the script history.

#include "model/Editor.h"

#include <utility>

namespace pst {

void Editor::miUndoClick() { showReplayed(m_history.undo(*this), true); }

void Editor::miRedoClick() { showReplayed(m_history.redo(*this), false); }

// The selection the step had, the module's views when it changed, and the
// modified mark as the state is now.
void Editor::showReplayed(const ScriptStep* step, bool undone)
{
    if (!step)
        return;
    selectAndShow(undone ? step->selectedBefore : step->selectedAfter);
    if (step->newModule)
        m_host.scriptReplaced();
    setModified(!m_history.atClean());
    requestRefresh();
}

void Editor::exchangeModule(ModuleState& state)
{
    std::swap(m_image, state.image);
    std::swap(m_layout, state.layout);
    std::swap(m_recordSize, state.recordSize);
    std::swap(m_maxStepCount, state.maxStepCount);
    m_image.seek(0);
    m_record.setSizeUnlocked(m_recordSize);
}

} // namespace pst
