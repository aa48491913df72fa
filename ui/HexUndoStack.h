#pragma once
// The hex view's bounded undo history.
//
// An undo step holds the bytes a change overwrote (and whether each of them
// was marked as changed), so undoing writes them back. Undoing swaps: the
// bytes that stand there now go to the redo side, so redo writes them back in
// turn. Typing is overwrite-only, so a step never changes the buffer's size.
//
// Budget: a step costs the number of bytes it stores, with no overhead per
// step. Before a new step is stored, the oldest steps are dropped for as long
// as the steps already stored cost more than the budget; the new step is then
// stored whatever its own cost. With a budget of 32, 33 one-byte steps stay
// undoable; a 100-byte paste stays undoable until the next change.

#include <QtCore/QBitArray>
#include <QtCore/QByteArray>
#include <QtCore/QtGlobal>

#include <deque>

struct HexEdit {
    qint64 offset = 0;
    QByteArray bytes;
    QBitArray marks; // one bit per byte: the byte was marked as changed
};

class HexUndoStack {
public:
    static constexpr qint64 kDefaultBudgetBytes = 32;

    explicit HexUndoStack(qint64 budgetBytes = kDefaultBudgetBytes) : m_budgetBytes(budgetBytes) {}

    void setBudget(qint64 budgetBytes) { m_budgetBytes = budgetBytes; }
    qint64 budget() const { return m_budgetBytes; }

    // A new change: clears the redo side, drops old steps over the budget and
    // stores `overwritten`, the state before the change.
    void record(HexEdit overwritten);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    // The step the next undo (redo) restores; only when canUndo() (canRedo()).
    const HexEdit& nextUndo() const { return m_undo.back(); }
    const HexEdit& nextRedo() const { return m_redo.back(); }

    // Takes the step to restore and keeps `current` (the same range as it is
    // now) for the way back. Only when canUndo() (canRedo()).
    HexEdit undo(HexEdit current);
    HexEdit redo(HexEdit current);

    void clear();
    int undoCount() const { return static_cast<int>(m_undo.size()); }
    int redoCount() const { return static_cast<int>(m_redo.size()); }
    // Bytes stored on the undo side.
    qint64 storedBytes() const { return m_undoBytes; }

private:
    std::deque<HexEdit> m_undo;
    std::deque<HexEdit> m_redo;
    qint64 m_undoBytes = 0;
    qint64 m_budgetBytes;
};
