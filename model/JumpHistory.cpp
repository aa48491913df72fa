#include "model/JumpHistory.h"

#include <algorithm>

namespace pst {

JumpHistory::JumpHistory(StepList& steps) : m_steps(steps) { m_steps.addObserver(this); }

JumpHistory::~JumpHistory() { m_steps.removeObserver(this); }

void JumpHistory::push(Places& places, int row)
{
    places.push_back(row);
    if (places.size() > kMaxPlaces)
        places.pop_front();
}

void JumpHistory::jumped(int from)
{
    m_forward.clear();
    if (m_steps.valid(from))
        push(m_back, from);
}

int JumpHistory::step(Places& from, Places& to, int current)
{
    if (from.empty())
        return StepList::kNone;
    const int row = from.back();
    from.pop_back();
    if (current != StepList::kNone)
        push(to, current);
    return row;
}

int JumpHistory::back(int current) { return step(m_back, m_forward, current); }

int JumpHistory::forward(int current) { return step(m_forward, m_back, current); }

// Applies f to every place; a place f gives kNone for leaves the history.
template <typename Renumber>
void JumpHistory::renumber(Renumber f)
{
    for (Places* places : {&m_back, &m_forward}) {
        for (int& row : *places)
            row = f(row);
        places->erase(std::remove(places->begin(), places->end(), StepList::kNone), places->end());
    }
}

void JumpHistory::rowsInserted(int first, int last)
{
    const int n = last - first + 1;
    renumber([&](int row) { return row >= first ? row + n : row; });
}

void JumpHistory::rowsRemoved(int first, int last)
{
    const int n = last - first + 1;
    renumber([&](int row) {
        if (row < first)
            return row;
        return row > last ? row - n : StepList::kNone;
    });
}

void JumpHistory::rowMoved(int from, int to)
{
    renumber([&](int row) {
        if (row == from)
            return to;
        if (from < to && row > from && row <= to)
            return row - 1;
        if (to < from && row >= to && row < from)
            return row + 1;
        return row;
    });
}

void JumpHistory::listReset()
{
    m_back.clear();
    m_forward.clear();
}

} // namespace pst
