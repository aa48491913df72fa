#pragma once
// What a link rule changed in a run of rows: per row, how far each of its
// three links moved (16-bit, wrapping), kept as runs of rows that moved
// alike. An insert at the top of a script whose steps link on step by step
// moves every link by one: a handful of runs, whatever the length.

#include "model/StepRow.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pst {

class StepList;

class LinkDeltas {
public:
    explicit LinkDeltas(int first) : m_first(first) {}

    // The links of the next row of the run, before and after the rule.
    void add(const RowLinks& before, const RowLinks& after)
    {
        RowLinks delta;
        for (std::size_t l = 0; l < delta.size(); ++l)
            delta[l] = static_cast<std::uint16_t>(after[l] - before[l]);
        if (!m_runs.empty() && m_runs.back().delta == delta)
            ++m_runs.back().count;
        else
            m_runs.push_back({1, delta});
    }

    // No link moved.
    bool empty() const;
    std::size_t memory() const { return sizeof(*this) + m_runs.capacity() * sizeof(Run); }
    // Moves the links back (forward: on again).
    void apply(StepList& steps, bool forward) const;

private:
    struct Run {
        std::uint32_t count;
        RowLinks delta;
    };

    int m_first;
    std::vector<Run> m_runs;
};

} // namespace pst
