#include "model/StepLinks.h"

#include <gtest/gtest.h>

#include <vector>

using namespace pst;

namespace {

constexpr int kRows = 60;

// Links of many kinds, including 0, 0xFFFF and the values at the count's
// edge, with sentinel bytes around them.
StepRecord record(int i, std::size_t size = 136)
{
    StepRecord r(size);
    for (std::size_t b = 0; b < size; ++b)
        r.mutableBytes()[b] = static_cast<Byte>(0xA5 ^ b);
    const std::uint16_t values[] = {0, kNoStep, static_cast<std::uint16_t>(i + 2), kRows - 1, kRows - 2, kRows, 1};
    for (int l = 0; l < 3; ++l)
        r.setLink(l, values[(i + l * 3) % 7]);
    return r;
}

// The list walks past the lookahead of the renumbering; a few rows hold a
// record too short for all three links, or none at all.
StepList longList()
{
    std::vector<StepRow> rows;
    for (int i = 0; i < kRows; ++i) {
        std::size_t size = 136;
        if (i == 20)
            size = 0;
        else if (i == 30)
            size = field::GOTO_ON_ERR + 1; // GOTO_ON_SUCCES only
        else if (i == 40)
            size = field::GOTO_ON_ABRT + 1; // no GOTO_ON_ABRT
        rows.push_back({record(i, size), "DC", {}, StepIcon::None});
    }
    StepList list;
    list.reset(std::move(rows));
    return list;
}

// The rule, field by field.
template <typename Rule>
std::vector<StepRecord> expected(const StepList& list, int first, Rule rule)
{
    std::vector<StepRecord> out;
    for (int i = 0; i < list.size(); ++i) {
        StepRecord r = list.row(i).record;
        for (int l = 0; i >= first && l < 3; ++l)
            r.setLink(l, rule(r.link(l)));
        out.push_back(r);
    }
    return out;
}

} // namespace

TEST(StepLinks, RenumberingALongListFollowsTheRuleInEveryRecord)
{
    const int n = kRows;
    const auto insertRule = [](std::uint16_t v) {
        return (v != 0 && v != kNoStep && v < kRows - 1) ? static_cast<std::uint16_t>(v + 1) : v;
    };
    const auto deleteRule = [](std::uint16_t v) {
        return (v != 0 && v != kNoStep) ? static_cast<std::uint16_t>(v - 1) : v;
    };
    for (int first : {0, 1, 17, n - 5, n - 1, n}) {
        StepList list = longList();
        const auto want = expected(list, first + 1, insertRule);
        renumberAfterInsert(list, first);
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(list.row(i).record, want[static_cast<std::size_t>(i)]) << "insert at " << first << ", row " << i;

        StepList other = longList();
        const auto wantAfterDelete = expected(other, first, deleteRule);
        renumberAfterDelete(other, first);
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(other.row(i).record, wantAfterDelete[static_cast<std::size_t>(i)])
                << "delete from " << first << ", row " << i;
    }
}
