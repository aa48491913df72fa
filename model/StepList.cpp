#include "model/StepList.h"

#include <algorithm>
#include <utility>

namespace pst {

// --- telling the observers ------------------------------------------------------

void StepList::afterInsert(int first, int last)
{
    ++m_revision;
    m_observers.notify([&](StepListObserver& o) { o.rowsInserted(first, last); });
}

void StepList::afterRemove(int first, int last)
{
    ++m_revision;
    m_observers.notify([&](StepListObserver& o) { o.rowsRemoved(first, last); });
}

void StepList::afterMove(int from, int to)
{
    ++m_revision;
    ++m_selectedRowRevision;
    m_observers.notify([&](StepListObserver& o) { o.rowMoved(from, to); });
}

void StepList::afterReset()
{
    ++m_revision;
    ++m_selectedRowRevision;
    m_observers.notify([](StepListObserver& o) { o.listReset(); });
}

void StepList::beforeChange(int first, int last)
{
    m_observers.notify([&](StepListObserver& o) { o.rowsAboutToChange(first, last); });
}

void StepList::afterChange(int first, int last)
{
    ++m_revision;
    if (m_selected >= first && m_selected <= last)
        ++m_selectedRowRevision;
    m_observers.notify([&](StepListObserver& o) { o.rowsChanged(first, last); });
}

void StepList::afterSelect(int previous)
{
    ++m_selectionRevision;
    ++m_selectedRowRevision;
    m_observers.notify([&](StepListObserver& o) { o.selectionChanged(previous, m_selected); });
}

// The selected row kept, but at a new number: the window shows the number in
// its title, so this is a change of selection too.
void StepList::reportSelectionMoved(int previous)
{
    if (m_selected != previous)
        afterSelect(previous);
}

// --- the operations -----------------------------------------------------------------

void StepList::select(int row)
{
    const int next = valid(row) ? row : kNone;
    if (next == m_selected)
        return;
    const int previous = m_selected;
    m_selected = next;
    afterSelect(previous);
}

void StepList::insert(int pos, StepRow row)
{
    if (pos < 0 || pos > size())
        pos = size();
    m_observers.notify([pos](StepListObserver& o) { o.rowsAboutToBeInserted(pos, pos); });
    m_rows.insert(m_rows.begin() + pos, std::move(row));
    const int previous = m_selected;
    if (m_selected >= pos)
        ++m_selected;
    if (m_recorder)
        m_recorder->rowInserted(pos);
    afterInsert(pos, pos);
    reportSelectionMoved(previous);
}

StepRow StepList::removeAt(int i, bool handOver)
{
    if (!valid(i))
        return {};
    const int previous = m_selected;
    m_observers.notify([i](StepListObserver& o) { o.rowsAboutToBeRemoved(i, i); });
    StepRow row = std::move(m_rows[static_cast<std::size_t>(i)]);
    m_rows.erase(m_rows.begin() + i);
    if (m_selected == i)
        m_selected = kNone;
    else if (m_selected > i)
        --m_selected;
    if (m_recorder)
        m_recorder->rowRemoved(i, handOver ? row : std::move(row));
    afterRemove(i, i);
    reportSelectionMoved(previous);
    return row;
}

std::vector<StepRow> StepList::removeFlagged(const std::vector<bool>& remove, bool handOver)
{
    m_observers.notify([](StepListObserver& o) { o.listAboutToBeReset(); });
    std::vector<StepRow> taken;
    std::vector<int> positions;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (i < remove.size() && remove[i]) {
            positions.push_back(static_cast<int>(i));
            taken.push_back(std::move(m_rows[i]));
            continue;
        }
        if (kept != i)
            m_rows[kept] = std::move(m_rows[i]);
        ++kept;
    }
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(kept), m_rows.end());
    m_selected = kNone;
    if (m_recorder && !positions.empty())
        m_recorder->rowsRemoved(std::move(positions), handOver ? taken : std::move(taken));
    afterReset();
    if (!handOver)
        taken.clear();
    return taken;
}

void StepList::insertRows(const std::vector<int>& positions, std::vector<StepRow> rows)
{
    m_observers.notify([](StepListObserver& o) { o.listAboutToBeReset(); });
    const std::size_t count = std::min(positions.size(), rows.size());
    std::vector<StepRow> merged;
    merged.reserve(m_rows.size() + count);
    std::size_t from = 0;
    for (std::size_t k = 0; k < count; ++k) {
        while (merged.size() < static_cast<std::size_t>(positions[k]) && from < m_rows.size())
            merged.push_back(std::move(m_rows[from++]));
        merged.push_back(std::move(rows[k]));
    }
    while (from < m_rows.size())
        merged.push_back(std::move(m_rows[from++]));
    m_rows = std::move(merged);
    m_selected = kNone;
    afterReset();
}

void StepList::swapWithNext(int i)
{
    if (!valid(i) || !valid(i + 1))
        return;
    m_observers.notify([i](StepListObserver& o) { o.rowAboutToBeMoved(i, i + 1); });
    std::swap(m_rows[static_cast<std::size_t>(i)], m_rows[static_cast<std::size_t>(i) + 1]);
    const int previous = m_selected;
    if (m_selected == i)
        m_selected = i + 1;
    else if (m_selected == i + 1)
        m_selected = i;
    if (m_recorder)
        m_recorder->rowSwappedWithNext(i);
    afterMove(i, i + 1);
    reportSelectionMoved(previous);
}

std::vector<StepRow> StepList::exchangeRows(std::vector<StepRow> rows)
{
    m_observers.notify([](StepListObserver& o) { o.listAboutToBeReset(); });
    std::swap(m_rows, rows);
    m_selected = kNone;
    if (m_recorder)
        m_recorder->listReset(rows);
    afterReset();
    return rows;
}

void StepList::setCaption(int i, SharedText caption)
{
    editRows(i, i, [&caption](StepRow& row, int) { row.caption = std::move(caption); });
}

void StepList::setDescription(int i, SharedText description)
{
    editRows(i, i, [&description](StepRow& row, int) { row.description = std::move(description); });
}

void StepList::setIcon(int i, StepIcon icon)
{
    editRows(i, i, [icon](StepRow& row, int) { row.icon = icon; });
}

void StepList::setRecord(int i, StepRecord record)
{
    editRows(i, i, [&record](StepRow& row, int) { row.record = std::move(record); });
}

bool StepList::writeRecord(int i, std::size_t offset, ByteView bytes)
{
    if (!valid(i))
        return false;
    const StepRecord& record = m_rows[static_cast<std::size_t>(i)].record;
    if (offset >= record.size())
        return false;
    bytes = bytes.first(std::min(bytes.size(), record.size() - offset));
    if (std::equal(bytes.begin(), bytes.end(), record.bytes().begin() + static_cast<std::ptrdiff_t>(offset)))
        return false;
    editRecords(i, i, [&](StepRecord& rec, int) { rec.overwrite(offset, bytes); });
    return true;
}

void StepList::FreeStepData()
{
    editRecords(0, size() - 1, [](StepRecord& record, int) { record.release(); });
}

int FindStepByTestId(const StepList& list, std::uint16_t id)
{
    for (int i = 0; i < list.size(); ++i) {
        const StepRecord& r = list.row(i).record;
        if (!r.empty() && r.testId() == id)
            return i;
    }
    return -1;
}

} // namespace pst
