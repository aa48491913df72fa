#include "model/StepFind.h"

#include <gtest/gtest.h>

using namespace pst;

namespace {
StepList script()
{
    const char* rows[][2] = {
        {"D1", "Set up drive parameters"},
        {"DC", "Dummy step"},
        {"3421", "Write DC pattern"},
        {"8001", ""},
        {"DC", "Dummy step"},
    };
    std::vector<StepRow> out;
    for (const auto& r : rows)
        out.push_back({StepRecord(std::size_t{136}), r[0], r[1], StepIcon::None});
    StepList list;
    list.reset(std::move(out));
    return list;
}
} // namespace

TEST(StepFind, MatchesAnIdWholeOrAnyPartOfADescription)
{
    const StepList steps = script();
    const struct {
        const char* query;
        std::vector<int> rows;
    } cases[] = {
        {"dc", {1, 2, 4}},    // the id in any case, and "DC" inside a description
        {"  3421 ", {2}},     // blanks around do not count
        {"342", {}},          // part of an id is no id
        {"DUMMY", {1, 4}},
        {"drive param", {0}},
        {"8001", {3}},        // a step without a description
        {"no such", {}},
        {"", {}},
        {"   ", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.query);
        const StepQuery query(c.query);
        std::vector<int> found;
        for (int row = 0; row < steps.size(); ++row)
            if (query.matches(steps.row(row)))
                found.push_back(row);
        EXPECT_EQ(found, c.rows);
    }
}

TEST(StepFind, GoesRoundTheEndAndSaysSo)
{
    const StepList steps = script();
    const StepQuery dummy("dummy");
    const struct {
        int from;
        FindDirection direction;
        int row;
        bool wrapped;
    } cases[] = {
        {StepList::kNone, FindDirection::Next, 1, false},
        {1, FindDirection::Next, 4, false},
        {4, FindDirection::Next, 1, true},
        {StepList::kNone, FindDirection::Previous, 4, false},
        {4, FindDirection::Previous, 1, false},
        {1, FindDirection::Previous, 4, true},
        {0, FindDirection::Previous, 4, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << (c.direction == FindDirection::Next ? " next" : " previous"));
        const FindResult r = findStep(steps, dummy, c.from, c.direction);
        EXPECT_EQ(r.row, c.row);
        EXPECT_EQ(r.wrapped, c.wrapped);
    }
    // The only match is found again from itself, round the end.
    const FindResult self = findStep(steps, StepQuery("3421"), 2, FindDirection::Next);
    EXPECT_EQ(self.row, 2);
    EXPECT_TRUE(self.wrapped);
    EXPECT_EQ(findStep(steps, StepQuery("none"), 0, FindDirection::Next).row, StepList::kNone);
    EXPECT_EQ(findStep(StepList(), dummy, StepList::kNone, FindDirection::Next).row, StepList::kNone);
}
