#pragma once
// The history of the script behind Undo and Redo: one step per command that
// changed the rows or their records, named by the command's caption, holding
// the changes it made in order (ScriptChange) and the selection before and
// after.
//
// The history records what passes through the step list while a command
// runs (it is the step list's recorder from begin() to end()), so every
// command is recorded the same way, whatever it does. Consecutive "Typing"
// steps in one record make one step until the selection changes or another
// command runs.
//
// Bounds: at most maxSteps() steps and maxBytes() bytes held on both sides;
// the oldest steps go first, the newest step stays whatever it holds.

#include "model/ScriptChange.h"
#include "model/StepListRecorder.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace pst {

class Editor;

// Captions of the steps no menu item names: bytes typed or pasted in the hex
// view, and a step text file dropped on the window.
inline constexpr std::string_view kTypingCaption = "Typing";
inline constexpr std::string_view kDropCaption = "Drop";
// A step whose command came without a caption.
inline constexpr std::string_view kUnnamedCaption = "Edit";

struct ScriptStep {
    std::string caption;
    int selectedBefore = -1;
    int selectedAfter = -1;
    std::vector<ScriptChange> changes;
    bool newModule = false; // a change replaced the module
    std::uint64_t id = 0;   // names the state after the step
    std::size_t memory = 0;
};

class ScriptHistory final : public StepListRecorder {
public:
    static constexpr std::size_t kMaxSteps = 1000;
    static constexpr std::size_t kMaxBytes = std::size_t{64} << 20;

    void setBounds(std::size_t maxSteps, std::size_t maxBytes);
    std::size_t maxSteps() const { return m_maxSteps; }
    std::size_t maxBytes() const { return m_maxBytes; }

    // --- recording one command ---------------------------------------------------
    // `selectionRevision`: StepList::selectionRevision() as the command starts
    // (a "Typing" step joins the one before only when it is unchanged).
    void begin(std::string_view caption, int selected, std::uint64_t selectionRevision);
    // Ends the command's step: stored when it changed something.
    void end(int selected, std::uint64_t selectionRevision);
    bool recording() const { return m_open.has_value(); }
    // The module was replaced; `previous` is what it was.
    void moduleReplaced(ModuleState previous);

    // A new history: every step gone, the command's changes so far too.
    void clear();
    // The script as it stands (after the running command) is the file's.
    void markClean();
    // It is not: a clean mark still pending for the running command is dropped.
    void markDirty();
    bool atClean() const { return m_cleanId && *m_cleanId == topId(); }

    // --- undo and redo ---------------------------------------------------------------
    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    // Captions of the step the next undo (redo) takes; empty when none.
    std::string_view undoCaption() const { return m_undo.empty() ? std::string_view{} : m_undo.back().caption; }
    std::string_view redoCaption() const { return m_redo.empty() ? std::string_view{} : m_redo.back().caption; }
    // Takes back (brings back) the last step on the editor's script and gives
    // its selection; null when there is none.
    const ScriptStep* undo(Editor& editor);
    const ScriptStep* redo(Editor& editor);

    std::size_t undoCount() const { return m_undo.size(); }
    std::size_t redoCount() const { return m_redo.size(); }
    std::size_t memory() const { return m_memory; }
    // The step the next undo takes (only when canUndo()).
    const ScriptStep& lastStep() const { return m_undo.back(); }

    // --- StepListRecorder -------------------------------------------------------------
    void rowInserted(int pos) override;
    void rowRemoved(int pos, StepRow row) override;
    void rowsRemoved(std::vector<int> positions, std::vector<StepRow> rows) override;
    void rowSwappedWithNext(int first) override;
    void listReset(std::vector<StepRow> previous) override;
    RowPatches& rowEdits() override;
    LinkDeltas& linkEdits(int first) override;
    void editsDone() override;

private:
    void add(ScriptChange change);
    const ScriptStep* replay(std::deque<ScriptStep>& from, std::deque<ScriptStep>& to, Editor& editor, bool forward);
    bool joinsTyping(const ScriptStep& step, std::uint64_t selectionRevision) const;
    void push(ScriptStep step);
    void dropOldest();
    void clearRedo();
    static std::size_t stepMemory(const ScriptStep& step);
    std::uint64_t topId() const { return m_undo.empty() ? m_baseId : m_undo.back().id; }

    std::deque<ScriptStep> m_undo;
    std::deque<ScriptStep> m_redo;
    std::optional<ScriptStep> m_open;
    std::size_t m_memory = 0;
    std::size_t m_maxSteps = kMaxSteps;
    std::size_t m_maxBytes = kMaxBytes;
    std::uint64_t m_nextId = 1;
    std::uint64_t m_baseId = 0;          // the state before the oldest step
    std::optional<std::uint64_t> m_cleanId;
    bool m_cleanPending = false;
    // The top step is "Typing" that may go on, while the selection stays.
    bool m_typingOpen = false;
    std::uint64_t m_typingSelection = 0;
};

} // namespace pst
