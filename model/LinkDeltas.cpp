#include "model/LinkDeltas.h"

#include "model/StepList.h"

#include <algorithm>

namespace pst {

void LinkDeltas::startRun(const RowLinks& delta)
{
    m_runs.push_back({1, delta});
    m_last = &m_runs.back();
}

bool LinkDeltas::empty() const
{
    return std::all_of(m_runs.begin(), m_runs.end(), [](const Run& run) { return run.delta == RowLinks{}; });
}

void LinkDeltas::apply(StepList& steps, bool forward) const
{
    int last = m_first - 1;
    for (const Run& run : m_runs)
        last += static_cast<int>(run.count);
    auto run = m_runs.begin();
    std::uint32_t left = run == m_runs.end() ? 0 : run->count;
    steps.editLinks(m_first, last, [&](RowLinks& links, const StepRecord&, int) {
        while (left == 0 && run + 1 != m_runs.end())
            left = (++run)->count;
        --left;
        for (std::size_t l = 0; l < links.size(); ++l)
            links[l] = static_cast<std::uint16_t>(forward ? links[l] + run->delta[l] : links[l] - run->delta[l]);
    });
}

} // namespace pst
