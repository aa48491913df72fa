#pragma once
// The bounded history of the user's edits of one record's bytes (typing,
// paste, the field inspector's values), behind the hex view's Ctrl+Z and
// Ctrl+Shift+Z.
//
// A step holds the bytes an edit overwrote and whether each of them was
// marked as changed, so undoing writes them back. Undoing swaps: the bytes
// that stand there now go to the redo side, so redo writes them back in turn.
// Edits overwrite, so a step never changes the record's size.
//
// Budget: a step costs the number of bytes it stores, with no overhead per
// step. Before a new step is stored, the oldest steps are dropped for as long
// as the steps already stored cost more than the budget; the new step is then
// stored whatever its own cost. With a budget of 32, 33 one-byte steps stay
// undoable; a 100-byte paste stays undoable until the next edit.

#include "model/Bytes.h"

#include <cstddef>
#include <deque>
#include <vector>

namespace pst {

struct ByteEdit {
    std::size_t offset = 0;
    Bytes bytes;
    std::vector<bool> marks; // one per byte: the byte was marked as changed

    friend bool operator==(const ByteEdit&, const ByteEdit&) = default;
};

class ByteHistory {
public:
    static constexpr std::size_t kDefaultBudgetBytes = 32;

    explicit ByteHistory(std::size_t budgetBytes = kDefaultBudgetBytes) : m_budgetBytes(budgetBytes) {}

    void setBudget(std::size_t budgetBytes) { m_budgetBytes = budgetBytes; }
    std::size_t budget() const { return m_budgetBytes; }

    // A new edit: clears the redo side, drops old steps over the budget and
    // stores `overwritten`, the state before the edit.
    void record(ByteEdit overwritten);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    // The step the next undo (redo) restores; only when canUndo() (canRedo()).
    const ByteEdit& nextUndo() const { return m_undo.back(); }
    const ByteEdit& nextRedo() const { return m_redo.back(); }

    // Takes the step to restore and keeps `current` (the same range as it is
    // now) for the way back. Only when canUndo() (canRedo()).
    ByteEdit undo(ByteEdit current);
    ByteEdit redo(ByteEdit current);

    void clear();
    std::size_t undoCount() const { return m_undo.size(); }
    std::size_t redoCount() const { return m_redo.size(); }
    // Bytes stored on the undo side.
    std::size_t storedBytes() const { return m_undoBytes; }

private:
    std::deque<ByteEdit> m_undo;
    std::deque<ByteEdit> m_redo;
    std::size_t m_undoBytes = 0;
    std::size_t m_budgetBytes;
};

} // namespace pst
