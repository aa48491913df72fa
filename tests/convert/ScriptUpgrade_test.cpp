#include "convert/ScriptUpgrade.h"

#include "model/Hex.h"
#include "model/Messages.h"
#include "support/ConvertFixture.h"

#include <random>

using namespace pst;
using namespace pst::test;

namespace {

constexpr std::uint16_t X = 0xFFFF;
constexpr std::uint16_t kOther = 0x40; // a test the tables do not name
constexpr std::uint32_t kOldP4 = 0x77; // marks the 0x00DC steps a script already had

struct LinkedStep {
    std::uint16_t testId;
    Links links;
};

using IdP4 = std::pair<std::uint16_t, std::uint32_t>;

} // namespace

class ScriptUpgrade : public ConvertFixture {
protected:
    bool upgrade() { return editor.run([&] { miUpgradeScriptClick(editor); }); }

    void loadLinked(const std::vector<LinkedStep>& steps, ModuleLayout layout = ModuleLayout::Legacy32)
    {
        ModuleBuilder b(layout);
        for (const LinkedStep& s : steps) {
            StepRecord r = b.record(s.testId);
            for (int l = 0; l < 3; ++l)
                r.setLink(l, s.links[static_cast<std::size_t>(l)]);
            b.step(r);
        }
        load(b.build());
    }

    std::vector<IdP4> idsAndP4() const
    {
        std::vector<IdP4> out;
        for (const StepRow& row : editor.steps().rows())
            out.emplace_back(row.record.testId(), row.record.param(4));
        return out;
    }

    // A record of this layout's size: zero but for the given id and argument.
    StepRecord zeroRecord(std::uint16_t id, std::uint16_t arg) const
    {
        StepRecord r(std::size_t{editor.recordSize()});
        r.setTestId(id);
        r.setTestArg(arg);
        return r;
    }
};

TEST_F(ScriptUpgrade, ClosingStepsFillUpTheLastThreeRows)
{
    struct Case {
        std::vector<std::uint16_t> tail;
        std::vector<IdP4> expected;
    };
    const std::vector<Case> cases = {
        {{kOther}, {{kOther, 0}, {0xDC, 6}, {0xDC, 4}, {0xDC, 2}}},
        {{kOther, 0xDC}, {{kOther, 0}, {0xDC, 6}, {0xDC, 4}, {0xDC, kOldP4}}},
        {{kOther, 0xDC, 0xDC}, {{kOther, 0}, {0xDC, 6}, {0xDC, kOldP4}, {0xDC, kOldP4}}},
        {{0xDC, 0xDC, 0xDC}, {{0xDC, kOldP4}, {0xDC, kOldP4}, {0xDC, kOldP4}}},
    };
    for (const Case& c : cases) {
        std::vector<StepFields> steps = {{0xD8}, {0xD1}};
        for (std::uint16_t id : c.tail)
            steps.push_back({id, 0, {0, 0, 0, id == 0xDC ? kOldP4 : 0}});
        loadFields(steps, ModuleLayout::Legacy32);
        ASSERT_TRUE(upgrade());
        std::vector<IdP4> expected = {{0xD8, 0}, {0xD1, 0}};
        expected.insert(expected.end(), c.expected.begin(), c.expected.end());
        EXPECT_EQ(idsAndP4(), expected) << c.tail.size();
        EXPECT_TRUE(host.messages.empty());
    }
}

TEST_F(ScriptUpgrade, AClosingStepGetsItsValuesOnTheInsertTemplate)
{
    loadIds({0xD8, 0xD1, kOther}, ModuleLayout::Legacy32);
    ASSERT_TRUE(upgrade());
    StepRecord expected = zeroRecord(0xDC, 1);
    expected.setParam(1, 15);
    expected.setParam(2, 2);
    expected.setParam(3, 0xCBFFFF);
    expected.setParam(4, 4);
    expected.setLinks(X);
    expected.setErrorCode(ModuleLayout::Legacy32, 0xFFFF);
    const StepRow& row = editor.steps().row(4);
    EXPECT_EQ(row.record, expected);
    EXPECT_EQ(row.caption, "DC");
    EXPECT_EQ(row.description, "Closing step");
}

TEST_F(ScriptUpgrade, FourPlaceholdersInRoylBecomeFixedStepsByRank)
{
    loadFields({{0xD8}, {0x3421}, {0xB000}, {0xB000, 9, {1, 2, 3, 4, 5}, 6}, {0xB000}, {0xB000}, {0xD1}, {kOther}});
    ASSERT_TRUE(upgrade());
    // The third and fourth became 0x00DC steps, which the removal then took.
    EXPECT_EQ(ids(), (std::vector<std::uint16_t>{0xD8, 0x3421, 0xB9, 0xBC, 0xD1, kOther, 0xDC, 0xDC, 0xDC}));
    StepRecord first = zeroRecord(0xB9, 1);
    first.setParam(1, 0x1291);
    first.setParam(8, 1);
    first.setParam(10, 1);
    first.setParam(13, 1);
    StepRecord second = zeroRecord(0xBC, 1);
    second.setParam(1, 0x3F);
    second.setParam(8, 0x1388);
    second.setParam(9, 7);
    second.setParam(10, 0x10);
    EXPECT_EQ(editor.steps().row(2).record, first);
    EXPECT_EQ(editor.steps().row(3).record, second);
    EXPECT_EQ(editor.steps().row(2).caption, "B9");
    EXPECT_EQ(editor.steps().row(2).description, "Scan B9");
    EXPECT_EQ(editor.steps().row(3).caption, "BC");
}

TEST_F(ScriptUpgrade, OldIdsChangeInRoylOnly)
{
    const std::vector<std::uint16_t> oldIds = {0xD2, 0xBB, 0x8199, 0x8128, 0x8119, 0x87D4,
                                               0x80CA, 0x80EA, 0x83EB, 0x9002, 0x9003};
    const std::vector<std::uint16_t> newIds = {0x3300, 0x3301, 0x2408, 0x3429, 0x3312, 0x3311,
                                               0x3304, 0xC4, 0x3424, 0xC4, 0xC4};
    for (const ModuleLayout layout : {ModuleLayout::Royl, ModuleLayout::Legacy32, ModuleLayout::Legacy28}) {
        std::vector<StepFields> steps = {{0xD8}, {0x3421}, {0xD1}};
        for (std::uint16_t id : oldIds)
            steps.push_back({id, 3, {0x1234}});
        steps.push_back({0xB000, 3, {0x1234}});
        loadFields(steps, layout);
        ASSERT_TRUE(upgrade());
        const bool royl = layout == ModuleLayout::Royl;
        for (std::size_t i = 0; i < oldIds.size(); ++i) {
            const StepRow& row = editor.steps().row(static_cast<int>(i) + 3);
            const std::uint16_t want = royl ? newIds[i] : oldIds[i];
            EXPECT_EQ(row.record.testId(), want) << i;
            EXPECT_EQ(row.caption, hex2(want));
            EXPECT_EQ(row.record.param(1), 0x1234u); // only the id changes
            EXPECT_EQ(row.record.testArg(), 3);
        }
        // A placeholder outside ROYL stays what it is.
        EXPECT_EQ(editor.steps().row(static_cast<int>(oldIds.size()) + 3).record.testId(), royl ? 0xB9 : 0xB000);
    }
}

TEST_F(ScriptUpgrade, OldIdDescriptionsComeFromTheStepLookup)
{
    loadIds({0xD8, 0xD1, 0x80EA, 0x81FA});
    ASSERT_TRUE(upgrade());
    EXPECT_EQ(ids(), (std::vector<std::uint16_t>{0xD8, 0xD1, 0xC4, 0x3421, 0xDC, 0xDC, 0xDC}));
    EXPECT_EQ(editor.steps().row(2).description, "New C4");
    EXPECT_EQ(editor.steps().row(3).caption, "3421");
    EXPECT_EQ(editor.steps().row(3).description, "Servo test");
}

TEST_F(ScriptUpgrade, Old3421NeedsNoD1AndNoSecond3421)
{
    loadFields({{0xD8}, {0x81FA, 1, {0x55}}});
    ASSERT_TRUE(upgrade());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(ids(), (std::vector<std::uint16_t>{0xD8, 0x3421, 0xDC, 0xDC, 0xDC}));
    EXPECT_EQ(editor.steps().row(1).record.param(1), 0x55u);
}

TEST_F(ScriptUpgrade, RequiredStepsGoBeforeTheFirstD1InTheOrderD8Then3421)
{
    loadIds({kOther, 0xD1, 0x41, 0xD1});
    ASSERT_TRUE(upgrade());
    EXPECT_EQ(ids(), (std::vector<std::uint16_t>{kOther, 0xD8, 0x3421, 0xD1, 0x41, 0xD1, 0xDC, 0xDC, 0xDC}));
    StepRecord servo = zeroRecord(0x3421, 1);
    servo.setParam(1, 0x2007);
    servo.setParam(2, 1);
    servo.setParam(3, 10);
    servo.setParam(14, 16);
    EXPECT_EQ(editor.steps().row(1).record, zeroRecord(0xD8, 1));
    EXPECT_EQ(editor.steps().row(2).record, servo);
    EXPECT_EQ(editor.steps().row(1).caption, "D8");
    EXPECT_EQ(editor.steps().row(1).description, "Zone check");
    EXPECT_EQ(editor.steps().row(2).caption, "3421");
    EXPECT_EQ(editor.steps().row(2).description, "Servo test");
}

TEST_F(ScriptUpgrade, D1AsTheFirstRowGetsTheNewStepAtTheTop)
{
    loadIds({0xD1, 0xD8, kOther});
    ASSERT_TRUE(upgrade());
    EXPECT_EQ(ids(), (std::vector<std::uint16_t>{0x3421, 0xD1, 0xD8, kOther, 0xDC, 0xDC, 0xDC}));
}

TEST_F(ScriptUpgrade, ListedTestsLoseP2AndP3InBothLayouts)
{
    const std::vector<std::uint16_t> listed = {0xB9, 0xBA, 0xBC, 0x3402, 0x3406, 0x3501};
    for (const ModuleLayout layout : {ModuleLayout::Royl, ModuleLayout::Legacy28}) {
        std::vector<StepFields> steps = {{0xD8}, {0x3421}, {0xD1}, {0x3403, 0, {1, 2, 3, 4}}};
        for (std::uint16_t id : listed)
            steps.push_back({id, 0, {1, 2, 3, 4}});
        loadFields(steps, layout);
        ASSERT_TRUE(upgrade());
        for (int i = 3; i < 10; ++i) {
            const StepRecord& r = editor.steps().row(i).record;
            const bool cleared = i > 3;
            EXPECT_EQ(r.param(1), 1u);
            EXPECT_EQ(r.param(2), cleared ? 0u : 2u) << std::hex << r.testId();
            EXPECT_EQ(r.param(3), cleared ? 0u : 3u);
            EXPECT_EQ(r.param(4), 4u);
        }
    }
}

TEST_F(ScriptUpgrade, RemovalOfAdjacentClosingStepsRenumbersTheLinks)
{
    loadLinked({{0xD8, {2, 5, 6}}, {0xDC, {3, 3, 3}}, {0xDC, {4, 4, 4}}, {0xD1, {5, 5, 6}}, {kOther, {X, 0, 6}}});
    ASSERT_TRUE(upgrade());
    EXPECT_EQ(ids(), (std::vector<std::uint16_t>{0xD8, 0xD1, kOther, 0xDC, 0xDC, 0xDC}));
    const std::vector<Links> expected = {{2, 5, 6}, {3, 3, 4}, {X, 0, 4}, {X, X, X}, {X, X, X}, {X, X, X}};
    EXPECT_EQ(links(), expected);
}

TEST_F(ScriptUpgrade, RemovalSparesTheLastThreeRowsAndLowersTheRowAboveAnEEEE)
{
    loadLinked({{kOther, {2, 2, 2}}, {0xEEEE, {3, 3, 3}}, {0x41, {4, 4, 4}}, {0xEEEE, {5, 5, 5}}, {0x42, {X, X, X}}});
    ASSERT_TRUE(editor.run([&] { removeSuperfluousSteps(editor); }));
    EXPECT_EQ(ids(), (std::vector<std::uint16_t>{kOther, 0x41, 0xEEEE, 0x42}));
    const std::vector<Links> expected = {{1, 1, 1}, {3, 3, 3}, {4, 4, 4}, {X, X, X}};
    EXPECT_EQ(links(), expected);
}

// The removal goes in one pass; it must leave what one Delete after another
// from the top leaves: rows, links, captions and where the walk ends.
TEST_F(ScriptUpgrade, RemovalInOnePassEqualsOneDeleteAfterAnother)
{
    const auto prepare = [&](unsigned seed) {
        editor.setModified(false);
        std::mt19937 random(seed);
        const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        const int count = pick(30);
        constexpr std::uint16_t kIds[] = {0xDC, 0xDC, 0xEEEE, 0xEEEE, kOther, 0xD1};
        constexpr std::uint16_t kFixed[] = {0, 1, 2, X, 0xFFFE};
        std::vector<LinkedStep> steps;
        for (int i = 0; i < count; ++i) {
            Links links{};
            for (std::uint16_t& l : links)
                l = pick(2) ? kFixed[pick(5)] : static_cast<std::uint16_t>(1 + pick(count + 3));
            steps.push_back({kIds[pick(6)], links});
        }
        loadLinked(steps);
        // Captions that do not follow the id: Delete goes by the caption.
        for (int i = 0; i < count; ++i)
            if (pick(8) == 0)
                editor.steps().setCaption(i, pick(2) ? "EEEE" : "DC");
        editor.selectRow(count > 0 ? pick(count) : StepList::kNone);
    };
    const auto oneByOne = [&] {
        StepList& steps = editor.steps();
        int i = 0;
        while (i < steps.size() - 3) {
            editor.selectAndShow(i);
            const std::uint16_t id = steps.row(i).record.testId();
            if (id == 0xDC || id == 0xEEEE)
                editor.miDeleteClick();
            else
                ++i;
        }
    };
    for (unsigned seed = 1; seed <= 300; ++seed) {
        prepare(seed);
        ASSERT_TRUE(editor.run(oneByOne));
        const std::vector<StepRow> expected = editor.steps().rows();
        const int expectedSelection = editor.steps().selected();
        prepare(seed);
        ASSERT_TRUE(editor.run([&] { removeSuperfluousSteps(editor); }));
        ASSERT_EQ(editor.steps().rows(), expected) << "seed " << seed;
        ASSERT_EQ(editor.steps().selected(), expectedSelection) << "seed " << seed;
    }
}

TEST_F(ScriptUpgrade, ASecondRunChangesNothing)
{
    for (const ModuleLayout layout : {ModuleLayout::Royl, ModuleLayout::Legacy32}) {
        loadFields({{0xB000}, {0x8199}, {0xDC}, {0xEEEE}, {0xB9, 0, {1, 2, 3}}, {0xB000}, {0xB000}, {0xD1},
                    {0xDC}, {kOther}, {0xEEEE}},
                   layout);
        ASSERT_TRUE(upgrade());
        const std::vector<StepRow> once = editor.steps().rows();
        editor.setModified(false);
        ASSERT_TRUE(upgrade());
        EXPECT_EQ(editor.steps().rows(), once);
        EXPECT_FALSE(editor.modified()); // no row was even rewritten
        EXPECT_TRUE(host.messages.empty());
    }
}

TEST_F(ScriptUpgrade, WithoutAD1StepNothingChangesAndTheUserIsTold)
{
    struct Case {
        ModuleLayout layout;
        std::vector<std::uint16_t> ids;
        bool refused;
    };
    const std::vector<Case> cases = {
        {ModuleLayout::Royl, {0xB000, 0x8199, 0xDC, kOther}, true},
        {ModuleLayout::Royl, {0xD8, kOther}, true},
        {ModuleLayout::Royl, {0x3421, kOther}, true},
        {ModuleLayout::Legacy32, {kOther}, true},
        {ModuleLayout::Legacy28, {0xDC, 0xDC}, true},
        {ModuleLayout::Royl, {0xD8, 0x3421, kOther}, false},
        {ModuleLayout::Legacy32, {0xD8, kOther}, false},
    };
    for (const Case& c : cases) {
        std::vector<StepFields> steps;
        for (std::uint16_t id : c.ids)
            steps.push_back({id, 1, {2, 3}});
        loadFields(steps, c.layout);
        editor.selectRow(0);
        const std::vector<StepRow> before = editor.steps().rows();
        host.messages.clear();
        ASSERT_TRUE(upgrade());
        if (c.refused) {
            EXPECT_EQ(editor.steps().rows(), before);
            EXPECT_EQ(editor.steps().selected(), 0);
            EXPECT_FALSE(editor.modified());
            EXPECT_EQ(host.messages, std::vector<std::string>{std::string(msg::kUpgradeNeedsD1)});
        } else {
            EXPECT_TRUE(host.messages.empty());
            EXPECT_EQ(editor.steps().size(), static_cast<int>(c.ids.size()) + 3);
        }
    }
}

TEST_F(ScriptUpgrade, EmptyListOrNoModuleDoesNothing)
{
    ASSERT_TRUE(upgrade());
    loadFields({});
    ASSERT_TRUE(upgrade());
    EXPECT_TRUE(editor.steps().empty());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(editor.modified());
}
