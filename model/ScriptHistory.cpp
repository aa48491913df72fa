#include "model/ScriptHistory.h"

#include "model/Editor.h"

#include <utility>

namespace pst {

namespace {
// No change made while the history replays a step is a change of its own.
class RecorderPause {
public:
    explicit RecorderPause(StepList& steps) : m_steps(steps), m_recorder(steps.recorder())
    {
        steps.setRecorder(nullptr);
    }
    ~RecorderPause() { m_steps.setRecorder(m_recorder); }
    RecorderPause(const RecorderPause&) = delete;
    RecorderPause& operator=(const RecorderPause&) = delete;

private:
    StepList& m_steps;
    StepListRecorder* m_recorder;
};
} // namespace

void ScriptHistory::setBounds(std::size_t maxSteps, std::size_t maxBytes)
{
    m_maxSteps = maxSteps;
    m_maxBytes = maxBytes;
    dropOldest();
}

// --- recording ---------------------------------------------------------------------------

void ScriptHistory::begin(std::string_view caption, int selected, std::uint64_t selectionRevision)
{
    m_open = ScriptStep{std::string(caption.empty() ? kUnnamedCaption : caption), selected, selected, {}, false, 0, 0};
    m_cleanPending = false;
    if (caption != kTypingCaption || selectionRevision != m_typingSelection)
        m_typingOpen = false;
}

void ScriptHistory::end(int selected, std::uint64_t selectionRevision)
{
    if (!m_open)
        return;
    ScriptStep step = std::move(*m_open);
    m_open.reset();
    step.selectedAfter = selected;
    if (!step.changes.empty()) {
        clearRedo();
        const bool typing = step.caption == kTypingCaption;
        if (joinsTyping(step, selectionRevision)) {
            ScriptStep& top = m_undo.back();
            m_memory -= top.memory;
            for (ScriptChange& change : step.changes)
                top.changes.push_back(std::move(change));
            top.selectedAfter = step.selectedAfter;
            top.id = m_nextId++;
            top.memory = stepMemory(top);
            m_memory += top.memory;
        } else {
            push(std::move(step));
        }
        m_typingOpen = typing;
        m_typingSelection = selectionRevision;
        dropOldest();
    }
    if (m_cleanPending)
        m_cleanId = topId();
    m_cleanPending = false;
}

bool ScriptHistory::joinsTyping(const ScriptStep& step, std::uint64_t selectionRevision) const
{
    return m_typingOpen && selectionRevision == m_typingSelection && step.caption == kTypingCaption
        && !m_undo.empty() && m_undo.back().caption == kTypingCaption
        && m_undo.back().selectedAfter == step.selectedBefore;
}

void ScriptHistory::push(ScriptStep step)
{
    step.id = m_nextId++;
    step.memory = stepMemory(step);
    m_memory += step.memory;
    m_undo.push_back(std::move(step));
}

// The oldest steps go first, then the farthest to redo; the step last done,
// undone or redone stays whatever it holds.
void ScriptHistory::dropOldest()
{
    while (m_undo.size() + m_redo.size() > m_maxSteps || m_memory > m_maxBytes) {
        if (m_undo.size() > 1) {
            m_memory -= m_undo.front().memory;
            m_baseId = m_undo.front().id;
            m_undo.pop_front();
        } else if (!m_redo.empty() && (m_redo.size() > 1 || !m_undo.empty())) {
            m_memory -= m_redo.front().memory;
            m_redo.pop_front();
        } else {
            break;
        }
    }
}

void ScriptHistory::clearRedo()
{
    for (const ScriptStep& step : m_redo)
        m_memory -= step.memory;
    m_redo.clear();
}

std::size_t ScriptHistory::stepMemory(const ScriptStep& step)
{
    std::size_t bytes = sizeof(ScriptStep) + step.caption.capacity();
    for (const ScriptChange& change : step.changes)
        bytes += changeMemory(change);
    return bytes;
}

void ScriptHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
    m_memory = 0;
    m_baseId = m_nextId++;
    m_cleanId.reset();
    m_cleanPending = false;
    m_typingOpen = false;
    if (m_open) {
        m_open->changes.clear();
        m_open->newModule = false;
    }
}

void ScriptHistory::markClean()
{
    if (m_open)
        m_cleanPending = true;
    else
        m_cleanId = topId();
}

void ScriptHistory::markDirty() { m_cleanPending = false; }

// --- undo and redo ---------------------------------------------------------------------------

const ScriptStep* ScriptHistory::undo(Editor& editor) { return replay(m_undo, m_redo, editor, false); }

const ScriptStep* ScriptHistory::redo(Editor& editor) { return replay(m_redo, m_undo, editor, true); }

// The last step of `from` taken back (forward: brought back), then kept on
// `to`; its changes now hold what the way back needs.
const ScriptStep* ScriptHistory::replay(std::deque<ScriptStep>& from, std::deque<ScriptStep>& to, Editor& editor,
                                        bool forward)
{
    if (from.empty())
        return nullptr;
    ScriptStep step = std::move(from.back());
    from.pop_back();
    m_memory -= step.memory;
    m_typingOpen = false;
    try {
        const RecorderPause pause(editor.steps());
        if (forward)
            for (ScriptChange& change : step.changes)
                applyChange(change, editor, true);
        else
            for (auto change = step.changes.rbegin(); change != step.changes.rend(); ++change)
                applyChange(*change, editor, false);
    } catch (...) {
        // Half replayed, no step fits the script any more.
        clear();
        throw;
    }
    step.memory = stepMemory(step);
    m_memory += step.memory;
    to.push_back(std::move(step));
    dropOldest();
    return &to.back();
}

// --- StepListRecorder ------------------------------------------------------------------------

void ScriptHistory::add(ScriptChange change)
{
    if (m_open)
        m_open->changes.push_back(std::move(change));
}

void ScriptHistory::rowInserted(int pos) { add(InsertedRow{pos, {}}); }

void ScriptHistory::rowRemoved(int pos, StepRow row) { add(RemovedRow{pos, std::move(row)}); }

void ScriptHistory::rowsRemoved(std::vector<int> positions, std::vector<StepRow> rows)
{
    add(RemovedRows{std::move(positions), std::move(rows)});
}

void ScriptHistory::rowSwappedWithNext(int first) { add(SwappedRows{first}); }

void ScriptHistory::listReset(std::vector<StepRow> previous) { add(ReplacedRows{std::move(previous)}); }

void ScriptHistory::moduleReplaced(ModuleState previous)
{
    if (!m_open)
        return;
    add(std::move(previous));
    m_open->newModule = true;
}

RowPatches& ScriptHistory::rowEdits()
{
    if (!m_open)
        m_open.emplace();
    return std::get<RowPatches>(m_open->changes.emplace_back(RowPatches{}));
}

LinkDeltas& ScriptHistory::linkEdits(int first)
{
    if (!m_open)
        m_open.emplace();
    return std::get<LinkDeltas>(m_open->changes.emplace_back(LinkDeltas(first)));
}

void ScriptHistory::editsDone()
{
    if (!m_open || m_open->changes.empty())
        return;
    ScriptChange& last = m_open->changes.back();
    if (changesNothing(last))
        m_open->changes.pop_back();
    else if (auto* patches = std::get_if<RowPatches>(&last))
        patches->finish();
}

} // namespace pst
