#include "compare/StepAlignment.h"

#include "compare/SequenceMatch.h"

#include <algorithm>

namespace pst {

namespace {

// Two steps of different tests at the same place are one step changed when
// they agree in at least half of the other fields of the key that either
// of them sets (TEST_ARG, P1 to P16, POST_ACTION); fields both leave at 0
// say nothing.
bool alike(const StepRecord& a, const StepRecord& b)
{
    int set = 0, equal = 0;
    const auto count = [&](std::uint32_t x, std::uint32_t y) {
        if (x != 0 || y != 0) {
            ++set;
            equal += x == y;
        }
    };
    count(a.testArg(), b.testArg());
    count(a.postAction(), b.postAction());
    for (int k = 1; k <= 16; ++k)
        count(a.param(k), b.param(k));
    return 2 * equal >= set;
}

class Aligner {
public:
    Aligner(std::span<const StepRow> left, std::span<const StepRow> right) : m_left(left), m_right(right) {}

    std::vector<CompareLine> run(const StepKeys& keys)
    {
        m_lines.reserve(std::max(m_left.size(), m_right.size()));
        int i = 0, j = 0;
        for (const MatchedPair& p : matchSequences(keys.left, keys.right)) {
            pairByTest(i, p.left, j, p.right);
            add(LineKind::Same, p.left, p.right);
            i = p.left + 1;
            j = p.right + 1;
        }
        pairByTest(i, static_cast<int>(m_left.size()), j, static_cast<int>(m_right.size()));
        markMoves(keys);
        return std::move(m_lines);
    }

private:
    void add(LineKind kind, int left, int right) { m_lines.push_back({kind, left, right, -1, 0, 0}); }

    void gaps(int i0, int i1, int j0, int j1)
    {
        for (int i = i0; i < i1; ++i)
            add(LineKind::OnlyLeft, i, -1);
        for (int j = j0; j < j1; ++j)
            add(LineKind::OnlyRight, -1, j);
    }

    // A run of steps that did not align, left [i0, i1) against right
    // [j0, j1): steps of the same test in the same order become pairs.
    void pairByTest(int i0, int i1, int j0, int j1)
    {
        if (i0 == i1 || j0 == j1)
            return gaps(i0, i1, j0, j1);
        std::vector<std::uint32_t> leftIds, rightIds;
        for (int i = i0; i < i1; ++i)
            leftIds.push_back(m_left[static_cast<std::size_t>(i)].record.testId());
        for (int j = j0; j < j1; ++j)
            rightIds.push_back(m_right[static_cast<std::size_t>(j)].record.testId());
        int i = i0, j = j0;
        for (const MatchedPair& p : matchSequences(leftIds, rightIds)) {
            pairAlike(i, i0 + p.left, j, j0 + p.right);
            add(LineKind::Changed, i0 + p.left, j0 + p.right);
            i = i0 + p.left + 1;
            j = j0 + p.right + 1;
        }
        pairAlike(i, i1, j, j1);
    }

    // What is left: the steps at the same place pair up when they are
    // alike (a test id that an upgrade changed); others stay gaps.
    void pairAlike(int i0, int i1, int j0, int j1)
    {
        for (; i0 < i1 && j0 < j1; ++i0, ++j0) {
            if (alike(m_left[static_cast<std::size_t>(i0)].record, m_right[static_cast<std::size_t>(j0)].record))
                add(LineKind::Changed, i0, j0);
            else
                gaps(i0, i0 + 1, j0, j0 + 1);
        }
        gaps(i0, i1, j0, j1);
    }

    // A key that stands once among the left gaps and once among the right
    // gaps is one step that moved.
    void markMoves(const StepKeys& keys)
    {
        if (m_lines.size() == m_left.size() || m_lines.size() == m_right.size())
            return; // gaps on one side only
        std::vector<int> leftLineOf(keys.count, -1), rightLineOf(keys.count, -1);
        std::vector<int> leftCount(keys.count, 0), rightCount(keys.count, 0);
        for (int n = 0; n < static_cast<int>(m_lines.size()); ++n) {
            const CompareLine& line = m_lines[static_cast<std::size_t>(n)];
            if (line.kind == LineKind::OnlyLeft) {
                const std::uint32_t key = keys.left[static_cast<std::size_t>(line.left)];
                ++leftCount[key];
                leftLineOf[key] = n;
            } else if (line.kind == LineKind::OnlyRight) {
                const std::uint32_t key = keys.right[static_cast<std::size_t>(line.right)];
                ++rightCount[key];
                rightLineOf[key] = n;
            }
        }
        for (std::uint32_t key = 0; key < keys.count; ++key) {
            if (leftCount[key] != 1 || rightCount[key] != 1)
                continue;
            CompareLine& from = m_lines[static_cast<std::size_t>(leftLineOf[key])];
            CompareLine& to = m_lines[static_cast<std::size_t>(rightLineOf[key])];
            from.movedRow = to.right;
            to.movedRow = from.left;
        }
    }

    std::span<const StepRow> m_left, m_right;
    std::vector<CompareLine> m_lines;
};

} // namespace

std::vector<CompareLine> alignSteps(std::span<const StepRow> left, std::span<const StepRow> right, const StepKeys& keys)
{
    return Aligner(left, right).run(keys);
}

} // namespace pst
