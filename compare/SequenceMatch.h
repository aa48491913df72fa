#pragma once
// The common part of two sequences: which element of the left sequence stands
// for which of the right, found by Myers' O(ND) difference algorithm (the
// linear-space form, which splits at the middle of the edit script). Two
// long sequences with few differences cost little more than one pass over
// them; the elements are small ids that compare as integers.

#include <cstdint>
#include <span>
#include <vector>

namespace pst {

struct MatchedPair {
    int left;
    int right;

    friend bool operator==(const MatchedPair&, const MatchedPair&) = default;
};

// Pairs (i, j) with left[i] == right[j], strictly increasing on both sides:
// a longest common subsequence. Where the two differ in more than about 500
// places (more for long sequences: twice the square root of their lengths)
// the search splits them where it stops paying, so that its cost stays
// bounded; the pairs are then still equal elements in order, but may be a
// few fewer than the longest common subsequence has.
//
// Ids are small numbers (interned keys, 16-bit test ids): an id that occurs
// on one side only is set aside before the search, which needs a table as
// large as the largest id when that is below a few times the two lengths.
std::vector<MatchedPair> matchSequences(std::span<const std::uint32_t> left, std::span<const std::uint32_t> right);

} // namespace pst
