#include "compare/SequenceMatch.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstddef>

namespace pst {

namespace {

using Ids = std::span<const std::uint32_t>;

// A part of the edit graph still to be matched: left [x0, x1), right [y0, y1).
struct Box {
    int x0, x1, y0, y1;
};

struct Point {
    int x, y;
};

// Myers' search on one pair of sequences. Diagonal k holds the points with
// x - y == k; the forward search keeps on each diagonal the furthest x it
// reached with d differences, the backward search the smallest x.
class Matcher {
public:
    Matcher(Ids a, Ids b)
        : m_a(a), m_b(b), m_offset(static_cast<int>(b.size()) + 1),
          m_forward(a.size() + b.size() + 3), m_backward(a.size() + b.size() + 3),
          m_match(a.size(), -1)
    {
        // Past this many differences in one search the split takes the
        // furthest point reached instead of the middle of the edit script:
        // the cost of a split stays near the square of this number.
        const double root = std::sqrt(static_cast<double>(a.size() + b.size()));
        m_maxCost = std::max(256, static_cast<int>(root));
    }

    std::vector<int> run()
    {
        std::vector<Box> pending = {{0, static_cast<int>(m_a.size()), 0, static_cast<int>(m_b.size())}};
        while (!pending.empty()) {
            Box box = pending.back();
            pending.pop_back();
            trim(box);
            if (box.x0 == box.x1 || box.y0 == box.y1)
                continue;
            const Point p = split(box);
            pending.push_back({p.x, box.x1, p.y, box.y1});
            pending.push_back({box.x0, p.x, box.y0, p.y});
        }
        return std::move(m_match);
    }

private:
    bool same(int x, int y) const { return m_a[static_cast<std::size_t>(x)] == m_b[static_cast<std::size_t>(y)]; }
    int& forward(int k) { return m_forward[static_cast<std::size_t>(k + m_offset)]; }
    int& backward(int k) { return m_backward[static_cast<std::size_t>(k + m_offset)]; }

    // Matches the common start and end of the box and leaves the rest.
    void trim(Box& b)
    {
        for (; b.x0 < b.x1 && b.y0 < b.y1 && same(b.x0, b.y0); ++b.x0, ++b.y0)
            m_match[static_cast<std::size_t>(b.x0)] = b.y0;
        for (; b.x0 < b.x1 && b.y0 < b.y1 && same(b.x1 - 1, b.y1 - 1); --b.x1, --b.y1)
            m_match[static_cast<std::size_t>(b.x1 - 1)] = b.y1 - 1;
    }

    Point split(const Box& b);
    Point furthest(const Box& b, int fLo, int fHi, int bLo, int bHi);

    Ids m_a, m_b;
    int m_offset;
    std::vector<int> m_forward, m_backward;
    std::vector<int> m_match;
    int m_maxCost;
};

// Widens the range of diagonals by one on each side, or narrows it where it
// meets the box, and marks the new outer neighbours as unreached.
void widen(int& lo, int& hi, int kmin, int kmax, int* v, int unreached)
{
    if (lo > kmin)
        v[--lo - 1] = unreached;
    else
        ++lo;
    if (hi < kmax)
        v[++hi + 1] = unreached;
    else
        --hi;
}

// A point on the edit script's middle snake, where the box splits into two
// boxes that are matched on their own. The box's ends differ (trimmed), so
// the point lies strictly between its corners.
Point Matcher::split(const Box& b)
{
    const int kmin = b.x0 - b.y1, kmax = b.x1 - b.y0;
    const int fmid = b.x0 - b.y0, bmid = b.x1 - b.y1;
    const bool odd = ((fmid - bmid) & 1) != 0;
    int* fv = &forward(0);
    int* bv = &backward(0);
    fv[fmid] = b.x0;
    bv[bmid] = b.x1;
    int fLo = fmid, fHi = fmid, bLo = bmid, bHi = bmid;
    for (int d = 1;; ++d) {
        widen(fLo, fHi, kmin, kmax, fv, -1);
        for (int k = fHi; k >= fLo; k -= 2) {
            int x = fv[k - 1] >= fv[k + 1] ? fv[k - 1] + 1 : fv[k + 1];
            x = std::min({x, b.x1, b.y1 + k});
            int y = x - k;
            for (; x < b.x1 && y < b.y1 && same(x, y); ++x, ++y) {
            }
            fv[k] = x;
            if (odd && k >= bLo && k <= bHi && bv[k] <= x)
                return {x, y};
        }
        widen(bLo, bHi, kmin, kmax, bv, INT_MAX);
        for (int k = bHi; k >= bLo; k -= 2) {
            int x = bv[k - 1] < bv[k + 1] ? bv[k - 1] : bv[k + 1] - 1;
            x = std::max({x, b.x0, b.y0 + k});
            int y = x - k;
            for (; x > b.x0 && y > b.y0 && same(x - 1, y - 1); --x, --y) {
            }
            bv[k] = x;
            if (!odd && k >= fLo && k <= fHi && x <= fv[k])
                return {x, y};
        }
        if (d >= m_maxCost)
            return furthest(b, fLo, fHi, bLo, bHi);
    }
}

// The search got too expensive: the point, forward or backward, that got
// furthest from its own corner.
Point Matcher::furthest(const Box& b, int fLo, int fHi, int bLo, int bHi)
{
    Point best{b.x0 + 1, b.y0};
    int bestGain = 0;
    for (int k = fLo; k <= fHi; k += 2) {
        const int x = forward(k);
        const int gain = x + (x - k) - (b.x0 + b.y0);
        if (gain > bestGain && !(x == b.x1 && x - k == b.y1)) {
            bestGain = gain;
            best = {x, x - k};
        }
    }
    for (int k = bLo; k <= bHi; k += 2) {
        const int x = backward(k);
        const int gain = (b.x1 + b.y1) - (x + (x - k));
        if (gain > bestGain && !(x == b.x0 && x - k == b.y0)) {
            bestGain = gain;
            best = {x, x - k};
        }
    }
    return best;
}

// The positions of the elements whose id occurs on the other side too.
std::vector<int> kept(Ids ids, const std::vector<bool>& onOtherSide)
{
    std::vector<int> out;
    out.reserve(ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i)
        if (onOtherSide[ids[i]])
            out.push_back(static_cast<int>(i));
    return out;
}

std::vector<bool> presence(Ids ids, std::uint32_t maxId)
{
    std::vector<bool> seen(static_cast<std::size_t>(maxId) + 1, false);
    for (std::uint32_t id : ids)
        seen[id] = true;
    return seen;
}

std::vector<std::uint32_t> select(Ids ids, const std::vector<int>& positions)
{
    std::vector<std::uint32_t> out;
    out.reserve(positions.size());
    for (int p : positions)
        out.push_back(ids[static_cast<std::size_t>(p)]);
    return out;
}

} // namespace

std::vector<MatchedPair> matchSequences(Ids left, Ids right)
{
    std::vector<MatchedPair> pairs;
    if (left.empty() || right.empty())
        return pairs;
    // Elements without a partner cannot match; leaving them out shortens the
    // search where two scripts differ much. Worth it only for small ids.
    std::uint32_t maxId = 0;
    for (Ids side : {left, right})
        for (std::uint32_t id : side)
            maxId = std::max(maxId, id);
    const bool filtered = maxId <= 4 * (left.size() + right.size()) + 0x10000;
    std::vector<int> leftAt, rightAt;
    std::vector<std::uint32_t> leftKept, rightKept;
    if (filtered) {
        leftAt = kept(left, presence(right, maxId));
        rightAt = kept(right, presence(left, maxId));
        leftKept = select(left, leftAt);
        rightKept = select(right, rightAt);
    }
    const std::vector<int> match = filtered ? Matcher(leftKept, rightKept).run() : Matcher(left, right).run();
    for (std::size_t i = 0; i < match.size(); ++i) {
        const int j = match[i];
        if (j < 0)
            continue;
        if (filtered)
            pairs.push_back({leftAt[i], rightAt[static_cast<std::size_t>(j)]});
        else
            pairs.push_back({static_cast<int>(i), j});
    }
    return pairs;
}

} // namespace pst
