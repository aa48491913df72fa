#include "model/StepList.h"

#include <algorithm>
#include <utility>

namespace pst {

namespace {
StepListObserver kNoObserver;
}

StepListObserver& StepList::notify() const
{
    return m_observer ? *m_observer : kNoObserver;
}

void StepList::select(int row)
{
    const int next = valid(row) ? row : kNone;
    if (next == m_selected)
        return;
    const int previous = m_selected;
    m_selected = next;
    notify().selectionChanged(previous, next);
}

void StepList::insert(int pos, StepRow row)
{
    if (pos < 0 || pos > size())
        pos = size();
    notify().rowsAboutToBeInserted(pos, pos);
    m_rows.insert(m_rows.begin() + pos, std::move(row));
    const int previous = m_selected;
    if (m_selected >= pos)
        ++m_selected;
    notify().rowsInserted(pos, pos);
    reportSelectionMoved(previous);
}

void StepList::remove(int i)
{
    if (!valid(i))
        return;
    const int previous = m_selected;
    notify().rowsAboutToBeRemoved(i, i);
    m_rows.erase(m_rows.begin() + i);
    if (m_selected == i)
        m_selected = kNone;
    else if (m_selected > i)
        --m_selected;
    notify().rowsRemoved(i, i);
    reportSelectionMoved(previous);
}

void StepList::removeRows(const std::vector<bool>& remove)
{
    notify().listAboutToBeReset();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (i < remove.size() && remove[i])
            continue;
        if (kept != i)
            m_rows[kept] = std::move(m_rows[i]);
        ++kept;
    }
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(kept), m_rows.end());
    m_selected = kNone;
    notify().listReset();
}

void StepList::swapWithNext(int i)
{
    if (!valid(i) || !valid(i + 1))
        return;
    notify().rowAboutToBeMoved(i, i + 1);
    std::swap(m_rows[static_cast<std::size_t>(i)], m_rows[static_cast<std::size_t>(i) + 1]);
    const int previous = m_selected;
    if (m_selected == i)
        m_selected = i + 1;
    else if (m_selected == i + 1)
        m_selected = i;
    notify().rowMoved(i, i + 1);
    reportSelectionMoved(previous);
}

// The selected row kept, but at a new number: the window shows the number in
// its title, so this is a change of selection too.
void StepList::reportSelectionMoved(int previous)
{
    if (m_selected != previous)
        notify().selectionChanged(previous, m_selected);
}

void StepList::reset(std::vector<StepRow> rows)
{
    notify().listAboutToBeReset();
    m_rows = std::move(rows);
    m_selected = kNone;
    notify().listReset();
}

void StepList::setCaption(int i, SharedText caption)
{
    if (!valid(i))
        return;
    m_rows[static_cast<std::size_t>(i)].caption = std::move(caption);
    notify().rowsChanged(i, i);
}

void StepList::setDescription(int i, SharedText description)
{
    if (!valid(i))
        return;
    m_rows[static_cast<std::size_t>(i)].description = std::move(description);
    notify().rowsChanged(i, i);
}

void StepList::setIcon(int i, StepIcon icon)
{
    if (!valid(i))
        return;
    m_rows[static_cast<std::size_t>(i)].icon = icon;
    notify().rowsChanged(i, i);
}

void StepList::setRecord(int i, StepRecord record)
{
    if (!valid(i))
        return;
    m_rows[static_cast<std::size_t>(i)].record = std::move(record);
    notify().rowsChanged(i, i);
}

bool StepList::writeRecord(int i, std::size_t offset, ByteView bytes)
{
    if (!valid(i))
        return false;
    StepRecord& record = m_rows[static_cast<std::size_t>(i)].record;
    if (offset >= record.size())
        return false;
    bytes = bytes.first(std::min(bytes.size(), record.size() - offset));
    if (std::equal(bytes.begin(), bytes.end(), record.bytes().begin() + static_cast<std::ptrdiff_t>(offset)))
        return false;
    record.overwrite(offset, bytes);
    notify().rowsChanged(i, i);
    return true;
}

void StepList::recordsChanged(int first, int last)
{
    if (m_rows.empty())
        return;
    if (first < 0)
        first = 0;
    if (last >= size())
        last = size() - 1;
    if (first <= last)
        notify().rowsChanged(first, last);
}

void StepList::FreeStepData()
{
    for (auto& r : m_rows)
        r.record.release();
    recordsChanged(0, size() - 1);
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
