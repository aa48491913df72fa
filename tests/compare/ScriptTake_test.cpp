// Taking a field or a step from the other script: links land on the
// corresponding steps, logs fit this side's layout, steps go where they
// stand on the other side.

#include "compare/ScriptTake.h"
#include "support/CompareSteps.h"

#include <gtest/gtest.h>

using namespace pst;
using pst::test::compareSide;
using pst::test::Step;

namespace {

struct Scripts {
    Scripts(const std::vector<Step>& l, const std::vector<Step>& r, ModuleLayout rightLayout = ModuleLayout::Royl)
        : left(compareSide(l, leftRows)), right(compareSide(r, rightRows, rightLayout))
    {
        compare({});
    }
    void compare(CompareOptions options) { comparison = compareScripts(left, right, options); }

    std::optional<FieldEdit> field(int line, std::string_view name, CompareSide into) const
    {
        for (const FieldDifference& d : comparison.differencesOf(comparison.lines.at(static_cast<std::size_t>(line))))
            if (d.name == name)
                return takeField(comparison, left, right, line, d, into);
        ADD_FAILURE() << "no difference " << name << " on line " << line;
        return std::nullopt;
    }
    std::optional<StepEdit> step(int line, CompareSide into) const
    {
        return takeStep(comparison, left, right, line, into);
    }

    std::vector<StepRow> leftRows, rightRows;
    CompareInput left, right;
    ScriptComparison comparison;
};

Bytes le16(std::uint16_t v) { return {static_cast<Byte>(v), static_cast<Byte>(v >> 8)}; }

} // namespace

TEST(ScriptTake, FieldsTakeTheOtherValueAndLinksTheCorrespondingStep)
{
    // Lines -1, 1~2 (P1, GOTO_ON_SUCCES, GOTO_ON_ERR), 2=3, 3-, -4.
    const Scripts s({{0x10, 5, 2, 3}, {0x11}, {0x12, 7}}, {{0xDC, 9}, {0x10, 6, 1, 9}, {0x11}, {0x13, 8}});
    const struct {
        const char* field;
        CompareSide into;
        std::optional<FieldEdit> edit;
    } cases[] = {
        {"P1", CompareSide::Left, FieldEdit{0x04, {6, 0, 0, 0}}},
        {"P1", CompareSide::Right, FieldEdit{0x04, {5, 0, 0, 0}}},
        {"GOTO_ON_SUCCES", CompareSide::Left, std::nullopt},              // right step 1 is not on the left
        {"GOTO_ON_SUCCES", CompareSide::Right, FieldEdit{0x48, le16(3)}}, // left step 2 is right step 3
        {"GOTO_ON_ERR", CompareSide::Left, FieldEdit{0x4A, le16(9)}},     // past the end: as it is
        {"GOTO_ON_ERR", CompareSide::Right, std::nullopt},                // left step 3 is not on the right
    };
    for (const auto& c : cases) {
        const auto edit = s.field(1, c.field, c.into);
        ASSERT_EQ(edit.has_value(), c.edit.has_value()) << c.field;
        if (edit) {
            EXPECT_EQ(edit->offset, c.edit->offset) << c.field;
            EXPECT_EQ(edit->bytes, c.edit->bytes) << c.field;
        }
    }
}

TEST(ScriptTake, TheLogAreaFitsThisSidesLayout)
{
    Scripts s({{0x10, 0, 0, 0, 0, 0}}, {{0x10, 0, 0, 0, 0, 0x106}}, ModuleLayout::Legacy28);
    s.rightRows[0].record.setU32(0x50, 0xA1B2C3D4);
    s.compare({true});
    ASSERT_EQ(s.comparison.differences.size(), 2u); // ERROR_CODE and the log area

    const auto intoRoyl = s.field(0, "log area", CompareSide::Left);
    ASSERT_TRUE(intoRoyl);
    EXPECT_EQ(intoRoyl->offset, 0x4Eu);
    ASSERT_EQ(intoRoyl->bytes.size(), 136u - 0x4E);
    EXPECT_EQ(getU32(intoRoyl->bytes, 0x50 - 0x4E), 0xA1B2C3D4u);
    EXPECT_EQ(getU16(intoRoyl->bytes, 0x68 - 0x4E), 0x106u); // from 0x54 to 0x68

    const auto error = s.field(0, "ERROR_CODE", CompareSide::Right);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->offset, 0x54u);
    EXPECT_EQ(error->bytes, le16(0));
}

TEST(ScriptTake, StepsAreInsertedReplacedOrRemoved)
{
    // Lines 1=1, -2, 2~3 (P1, GOTO_ON_ERR), 3=4, 4-.
    const Scripts s({{0x10, 0, 2}, {0x11, 1, 3, 4}, {0x12}, {0x14}},
                    {{0x10, 0, 3}, {0xDC, 7, 1, 2, 9}, {0x11, 2, 4, 1}, {0x12}});
    ASSERT_EQ(s.comparison.lines.size(), 5u);

    const auto insert = s.step(1, CompareSide::Left);
    ASSERT_TRUE(insert);
    EXPECT_EQ(insert->action, StepEdit::Action::Insert);
    EXPECT_EQ(insert->row, 1);
    EXPECT_EQ(insert->record.size(), 136u);
    EXPECT_EQ(insert->record.testId(), 0xDC);
    EXPECT_EQ(insert->record.param(1), 7u);
    EXPECT_EQ(insert->record.link(0), 1); // right step 1 is left step 1
    EXPECT_EQ(insert->record.link(1), 2); // itself, now left step 2
    EXPECT_EQ(insert->record.link(2), 9); // past the end: as it is
    EXPECT_EQ(insert->record.errorCode(ModuleLayout::Royl), kNoResult);
    EXPECT_EQ(insert->unlinked, 0);

    const auto replace = s.step(2, CompareSide::Left);
    ASSERT_TRUE(replace);
    EXPECT_EQ(replace->action, StepEdit::Action::Replace);
    EXPECT_EQ(replace->row, 1);
    EXPECT_EQ(replace->record.param(1), 2u);
    EXPECT_EQ(replace->record.link(0), 3); // right step 4 is left step 3
    EXPECT_EQ(replace->record.link(1), 1);

    const auto back = s.step(2, CompareSide::Right);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->record.link(1), kNoStep); // left step 4 is not on the right
    EXPECT_EQ(back->unlinked, 1);

    const auto remove = s.step(4, CompareSide::Left);
    ASSERT_TRUE(remove);
    EXPECT_EQ(remove->action, StepEdit::Action::Remove);
    EXPECT_EQ(remove->row, 3);

    EXPECT_FALSE(s.step(0, CompareSide::Right));
}
