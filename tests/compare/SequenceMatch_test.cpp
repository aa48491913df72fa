// The common subsequence: always equal elements in order, and as long as the
// longest one, checked against the textbook table over random sequences.

#include "compare/SequenceMatch.h"

#include <gtest/gtest.h>

#include <random>

using namespace pst;

namespace {

using Seq = std::vector<std::uint32_t>;

std::size_t lcsLength(const Seq& a, const Seq& b)
{
    std::vector<std::vector<std::size_t>> t(a.size() + 1, std::vector<std::size_t>(b.size() + 1, 0));
    for (std::size_t i = a.size(); i-- > 0;)
        for (std::size_t j = b.size(); j-- > 0;)
            t[i][j] = a[i] == b[j] ? t[i + 1][j + 1] + 1 : std::max(t[i + 1][j], t[i][j + 1]);
    return t[0][0];
}

// Pairs of equal elements, strictly increasing on both sides.
::testing::AssertionResult valid(const Seq& a, const Seq& b, const std::vector<MatchedPair>& pairs)
{
    int lastLeft = -1, lastRight = -1;
    for (const MatchedPair& p : pairs) {
        if (p.left <= lastLeft || p.right <= lastRight || p.left >= static_cast<int>(a.size())
            || p.right >= static_cast<int>(b.size()))
            return ::testing::AssertionFailure() << "pair (" << p.left << ", " << p.right << ") out of order";
        if (a[static_cast<std::size_t>(p.left)] != b[static_cast<std::size_t>(p.right)])
            return ::testing::AssertionFailure() << "pair (" << p.left << ", " << p.right << ") not equal";
        lastLeft = p.left;
        lastRight = p.right;
    }
    return ::testing::AssertionSuccess();
}

Seq randomSeq(std::mt19937& rng, std::size_t maxLength, std::uint32_t alphabet)
{
    Seq s(std::uniform_int_distribution<std::size_t>(0, maxLength)(rng));
    for (auto& v : s)
        v = std::uniform_int_distribution<std::uint32_t>(0, alphabet - 1)(rng);
    return s;
}

} // namespace

TEST(SequenceMatch, SmallCases)
{
    const struct {
        Seq a, b;
        std::vector<MatchedPair> pairs;
    } cases[] = {
        {{}, {}, {}},
        {{1, 2}, {}, {}},
        {{}, {1, 2}, {}},
        {{1, 2, 3}, {1, 2, 3}, {{0, 0}, {1, 1}, {2, 2}}},
        {{1, 2, 3}, {9, 1, 2, 3}, {{0, 1}, {1, 2}, {2, 3}}},
        {{1, 2, 3}, {1, 3}, {{0, 0}, {2, 1}}},
        {{1, 2, 3}, {4, 5, 6}, {}},
        {{1, 2, 3, 4}, {1, 3, 4, 2}, {{0, 0}, {2, 1}, {3, 2}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(matchSequences(c.a, c.b), c.pairs);
}

TEST(SequenceMatch, FindsALongestCommonSubsequence)
{
    std::mt19937 rng(20240522);
    for (int round = 0; round < 20000; ++round) {
        const std::uint32_t alphabet = 1 + round % 6;
        Seq a = randomSeq(rng, 14, alphabet), b = randomSeq(rng, 14, alphabet);
        if (round % 2 == 1) { // ids too large to be set aside first
            for (Seq* s : {&a, &b})
                for (auto& v : *s)
                    v += 0x40000000;
        }
        const auto pairs = matchSequences(a, b);
        ASSERT_TRUE(valid(a, b, pairs)) << "round " << round;
        ASSERT_EQ(pairs.size(), lcsLength(a, b)) << "round " << round;
    }
}

TEST(SequenceMatch, LongSequencesWithFewEditsMatchAllButTheEdits)
{
    Seq a(50000);
    for (std::size_t i = 0; i < a.size(); ++i)
        a[i] = static_cast<std::uint32_t>(i % 700);
    Seq b = a;
    for (std::size_t at = 1000; at < 48000; at += 4700)
        b.erase(b.begin() + static_cast<std::ptrdiff_t>(at));
    for (std::size_t at = 333; at < 49000; at += 5100)
        b.insert(b.begin() + static_cast<std::ptrdiff_t>(at), 5000);
    const auto pairs = matchSequences(a, b);
    EXPECT_TRUE(valid(a, b, pairs));
    EXPECT_EQ(pairs.size(), a.size() - 10);
}

TEST(SequenceMatch, TooManyDifferencesStillGiveEqualPairsInOrder)
{
    // Beyond the search's cost limit the split is a guess; the pairs stay sound.
    std::mt19937 rng(7);
    Seq a(6000), b(6000);
    for (auto& v : a)
        v = rng() % 4;
    for (auto& v : b)
        v = rng() % 4;
    const auto pairs = matchSequences(a, b);
    EXPECT_TRUE(valid(a, b, pairs));
    EXPECT_GT(pairs.size(), 3000u);
}
