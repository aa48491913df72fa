#pragma once
// The rows of the script as the editor shows them: each row owns one copy of
// its step record, its caption (ID column), description and result icon. Row
// 0 is step 1.
//
// Rows change only through the operations below (insert, remove, removeRows,
// swapWithNext, reset, the setters, writeRecord, and editRows or editLinks
// for an edit in place). Each is told to every observer, before and after, so
// that a view model can mirror it row by row; to the recorder, when one is
// set, with what it needs to take the change back; and each moves the
// revision counters on, which the editor compares when a command ends.

#include "model/ObserverList.h"
#include "model/StepListRecorder.h"
#include "model/StepRow.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace pst {


class StepListObserver {
public:
    virtual ~StepListObserver() = default;
    virtual void rowsAboutToBeInserted(int /*first*/, int /*last*/) {}
    virtual void rowsInserted(int /*first*/, int /*last*/) {}
    virtual void rowsAboutToBeRemoved(int /*first*/, int /*last*/) {}
    virtual void rowsRemoved(int /*first*/, int /*last*/) {}
    // A row moves from `from` to its final index `to`.
    virtual void rowAboutToBeMoved(int /*from*/, int /*to*/) {}
    virtual void rowMoved(int /*from*/, int /*to*/) {}
    virtual void listAboutToBeReset() {}
    // All rows replaced; the selection is gone (no selectionChanged follows).
    virtual void listReset() {}
    // Texts, icon or record bytes of rows first..last are about to change,
    // and have changed.
    virtual void rowsAboutToChange(int /*first*/, int /*last*/) {}
    virtual void rowsChanged(int /*first*/, int /*last*/) {}
    virtual void selectionChanged(int /*previous*/, int /*current*/) {}
};

class StepList {
public:
    static constexpr int kNone = -1;

    // Observers are told of every change; see ObserverList.
    void addObserver(StepListObserver* observer) { m_observers.add(observer); }
    void removeObserver(StepListObserver* observer) { m_observers.remove(observer); }
    // The one recorder of changes (none: nothing is recorded).
    void setRecorder(StepListRecorder* recorder) { m_recorder = recorder; }
    StepListRecorder* recorder() const { return m_recorder; }

    // Counters that grow with every change of their kind, for a command to
    // compare when it ends. revision(): the rows (their number, order,
    // records, texts or icons). selectionRevision(): a reported change of the
    // selection. selectedRowRevision(): what the selected row shows may have
    // changed (the selection, the selected row's own record or texts, the
    // order of the rows, or all of them at once).
    std::uint64_t revision() const { return m_revision; }
    std::uint64_t selectionRevision() const { return m_selectionRevision; }
    std::uint64_t selectedRowRevision() const { return m_selectedRowRevision; }

    int size() const { return static_cast<int>(m_rows.size()); }
    bool empty() const { return m_rows.empty(); }
    bool valid(int row) const { return row >= 0 && row < size(); }
    const StepRow& row(int i) const { return m_rows[static_cast<std::size_t>(i)]; }
    const std::vector<StepRow>& rows() const { return m_rows; }

    // Selected row index, or kNone.
    int selected() const { return m_selected; }
    bool hasSelection() const { return m_selected != kNone; }
    // Selects `row` (kNone, or an index out of range, removes the selection).
    // Reports a selection change only when the selection really changes.
    void select(int row);

    // Inserts, removes and swaps keep the selection on its row. Whenever
    // that changes the selected index (or a removed selected row leaves
    // nothing selected), a selection change is reported after the rows'
    // own report.

    // Inserts at `pos` (0..size()).
    void insert(int pos, StepRow row);
    // Removes row `i`.
    void remove(int i) { removeAt(i, false); }
    // Removes row `i` and hands it over (an empty row when there is none).
    StepRow take(int i) { return removeAt(i, true); }
    // Removes every row marked in `remove` (a flag per row) in one pass,
    // told as a reset (a view lays the rows out once, not once a row);
    // nothing is selected afterwards.
    void removeRows(const std::vector<bool>& remove) { removeFlagged(remove, false); }
    // The same, handing the removed rows over in their order.
    std::vector<StepRow> takeRows(const std::vector<bool>& remove) { return removeFlagged(remove, true); }
    // Puts rows back at `positions` (ascending, the indices they get), told
    // as a reset as removeRows is; nothing is selected afterwards.
    void insertRows(const std::vector<int>& positions, std::vector<StepRow> rows);
    // Swaps row `i` with row `i + 1`.
    void swapWithNext(int i);
    // Replaces every row (a parse, a load); nothing selected afterwards. A
    // reset reports no selection change: like a list control emptied at
    // once, it leaves the window title alone.
    void reset(std::vector<StepRow> rows) { exchangeRows(std::move(rows)); }
    // The same, handing the rows that were over.
    std::vector<StepRow> exchangeRows(std::vector<StepRow> rows);
    // Removes all rows.
    void clear() { reset({}); }

    void setCaption(int i, SharedText caption);
    void setDescription(int i, SharedText description);
    void setIcon(int i, StepIcon icon);
    void setRecord(int i, StepRecord record);
    // Overwrites bytes of row i's record from `offset` on (bytes past its end
    // are dropped); reports the row changed only when a byte differs. True
    // when one did.
    bool writeRecord(int i, std::size_t offset, ByteView bytes);

    // Edits rows first..last (clamped to the list) in place: `edit(row,
    // index)` is called for each in order and may leave a row as it was.
    // Told as one change of those rows; nothing when the range is empty.
    template <typename Edit>
    void editRows(int first, int last, Edit&& edit);
    // The same for the rows' records: `edit(record, index)`.
    template <typename Edit>
    void editRecords(int first, int last, Edit&& edit)
    {
        editRows(first, last, [&edit](StepRow& row, int i) { edit(row.record, i); });
    }
    // The same for the rows' links alone: `edit(links, record, index)` may
    // change `links`, and reads the rest of the record. A recorder keeps only
    // how far each link moved.
    template <typename Edit>
    void editLinks(int first, int last, Edit&& edit);

    // Releases every row's record; the rows stay, without records.
    void FreeStepData();

private:
    bool clampRange(int& first, int& last) const
    {
        first = std::max(first, 0);
        last = std::min(last, size() - 1);
        return first <= last;
    }
    // The removed rows go to the recorder, and to the caller when handed over.
    StepRow removeAt(int i, bool handOver);
    std::vector<StepRow> removeFlagged(const std::vector<bool>& remove, bool handOver);
    void beforeChange(int first, int last);
    // Each tells the observers of a change made and moves the counters on.
    void afterInsert(int first, int last);
    void afterRemove(int first, int last);
    void afterMove(int from, int to);
    void afterReset();
    void afterChange(int first, int last);
    void afterSelect(int previous);
    void reportSelectionMoved(int previous);

    std::vector<StepRow> m_rows;
    int m_selected = kNone;
    ObserverList<StepListObserver> m_observers;
    StepListRecorder* m_recorder = nullptr;
    std::uint64_t m_revision = 0;
    std::uint64_t m_selectionRevision = 0;
    std::uint64_t m_selectedRowRevision = 0;
};

template <typename Edit>
void StepList::editRows(int first, int last, Edit&& edit)
{
    if (!clampRange(first, last))
        return;
    RowPatches* patches = m_recorder ? &m_recorder->rowEdits() : nullptr;
    beforeChange(first, last);
    for (int i = first; i <= last; ++i) {
        StepRow& row = m_rows[static_cast<std::size_t>(i)];
        if (patches)
            patches->before(row);
        edit(row, i);
        if (patches)
            patches->after(i, row);
    }
    if (m_recorder)
        m_recorder->editsDone();
    afterChange(first, last);
}

template <typename Edit>
void StepList::editLinks(int first, int last, Edit&& edit)
{
    if (!clampRange(first, last))
        return;
    LinkDeltas* deltas = m_recorder ? &m_recorder->linkEdits(first) : nullptr;
    beforeChange(first, last);
    for (int i = first; i <= last; ++i) {
        StepRecord& record = m_rows[static_cast<std::size_t>(i)].record;
        // Three words in registers: the loop runs at the pace of reading them.
        const std::uint16_t s = record.link(0);
        const std::uint16_t e = record.link(1);
        const std::uint16_t a = record.link(2);
        RowLinks links{s, e, a};
        edit(links, std::as_const(record), i);
        if (links[0] != s || links[1] != e || links[2] != a) {
            writeLinks(record, links);
            if (!holdsLinks(record))
                links = readLinks(record);
        }
        if (deltas)
            deltas->add(static_cast<std::uint16_t>(links[0] - s), static_cast<std::uint16_t>(links[1] - e),
                        static_cast<std::uint16_t>(links[2] - a));
    }
    if (m_recorder)
        m_recorder->editsDone();
    afterChange(first, last);
}

// Index of the first row whose TEST_ID equals id, or -1.
int FindStepByTestId(const StepList& list, std::uint16_t id);

} // namespace pst
