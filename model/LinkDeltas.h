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
    // Moved or copied, the run being extended is the new one's own.
    LinkDeltas(const LinkDeltas& other) : m_first(other.m_first), m_runs(other.m_runs) { relink(); }
    LinkDeltas(LinkDeltas&& other) noexcept : m_first(other.m_first), m_runs(std::move(other.m_runs)) { relink(); }
    LinkDeltas& operator=(LinkDeltas other) noexcept
    {
        m_first = other.m_first;
        m_runs = std::move(other.m_runs);
        relink();
        return *this;
    }

    // How far the links of the next row of the run moved.
    void add(std::uint16_t success, std::uint16_t error, std::uint16_t abort)
    {
        // Most rows move as the row before: that case stays in the loop.
        if (m_last && m_last->delta[0] == success && m_last->delta[1] == error && m_last->delta[2] == abort)
            ++m_last->count;
        else
            startRun({success, error, abort});
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

    void startRun(const RowLinks& delta);
    void relink() { m_last = m_runs.empty() ? nullptr : &m_runs.back(); }

    int m_first;
    std::vector<Run> m_runs;
    Run* m_last = nullptr; // the run being extended; null when none
};

} // namespace pst
