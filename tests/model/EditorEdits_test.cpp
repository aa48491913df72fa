#include "support/EditorFixture.h"

#include "model/Hex.h"

#include <random>

using namespace pst;
using namespace pst::test;

namespace {
constexpr std::uint16_t X = 0xFFFF;
}

class EditorEdits : public EditorFixture {};

TEST_F(EditorEdits, InsertWithNothingSelectedPutsTheTemplateFirst)
{
    loadSteps({{2, 2, 2}});
    editor.selectRow(StepList::kNone);
    ASSERT_TRUE(run(&Editor::miInsertClick));
    ASSERT_EQ(editor.steps().size(), 2);
    EXPECT_EQ(editor.steps().selected(), 0);
    const StepRow& row = editor.steps().row(0);
    EXPECT_EQ(row.caption, "DC");
    EXPECT_EQ(row.icon, StepIcon::None);
    const StepRecord& r = row.record;
    EXPECT_EQ(r.size(), 136u);
    EXPECT_EQ(r.testId(), 0xDC);
    EXPECT_EQ(r.testArg(), 1);
    EXPECT_EQ(r.param(1), 0x0Fu);
    EXPECT_EQ(r.param(2), 1u);
    EXPECT_EQ(r.param(3), 0x0Au);
    EXPECT_EQ(r.errorCode(ModuleLayout::Royl), 0xFFFF);
    EXPECT_EQ((Links{r.link(0), r.link(1), r.link(2)}), (Links{2, 2, 2}));
    // The hex view shows the new record.
    EXPECT_EQ(editor.recordBuffer().bytes(), r.data());
}

TEST_F(EditorEdits, InsertRenumbersOnlyTheRowsAfterItAndBelowTheCount)
{
    loadSteps({{1, 2, 3}, {4, 5, 6}, {1, 2, 3}, {4, 5, 6}, {0, X, 4}});
    editor.selectRow(1);
    ASSERT_TRUE(run(&Editor::miInsertClick));
    EXPECT_EQ(editor.steps().selected(), 2);
    const std::vector<Links> expected = {{1, 2, 3}, {4, 5, 6}, {4, 4, 4}, {2, 3, 4}, {5, 5, 6}, {0, X, 5}};
    EXPECT_EQ(links(), expected);
}

TEST_F(EditorEdits, InsertInALegacy28ScriptMarksTheErrorCodeAt0x54)
{
    loadSteps({{1, 1, 1}}, ModuleLayout::Legacy28);
    ASSERT_TRUE(run(&Editor::miInsertClick));
    const StepRecord& r = editor.steps().row(1).record;
    EXPECT_EQ(r.size(), 116u);
    EXPECT_EQ(r.u16(0x54), 0xFFFF);
    EXPECT_EQ(r.u16(0x68), 0);
}

TEST_F(EditorEdits, InsertBeforeAnyModuleDoesNothing)
{
    ASSERT_TRUE(run(&Editor::miInsertClick));
    EXPECT_TRUE(editor.steps().empty());
}

TEST_F(EditorEdits, DeleteLowersEveryLinkFromTheRemovedRowOn)
{
    loadSteps({{2, 3, 4}, {3, 0, X}, {9, 1, 2}, {5, 6, 7}});
    editor.selectRow(1);
    ASSERT_TRUE(run(&Editor::miDeleteClick));
    EXPECT_EQ(editor.steps().selected(), 1);
    const std::vector<Links> expected = {{2, 3, 4}, {8, 0, 1}, {4, 5, 6}};
    EXPECT_EQ(links(), expected);
}

TEST_F(EditorEdits, DeletingAnEEEEStepAlsoLowersTheRowAbove)
{
    ModuleBuilder b;
    for (std::uint16_t id : {0x10, 0x11, 0xEEEE, 0x13}) {
        StepRecord r = b.record(id);
        r.setLinks(3);
        b.step(r);
    }
    load(b.build());
    editor.selectRow(2);
    ASSERT_TRUE(run(&Editor::miDeleteClick));
    const std::vector<Links> expected = {{3, 3, 3}, {2, 2, 2}, {2, 2, 2}};
    EXPECT_EQ(links(), expected);
}

TEST_F(EditorEdits, DeleteSelectsTheNextOrTheNewLastRow)
{
    loadSteps({{0, 0, 0}, {0, 0, 0}});
    editor.selectRow(1);
    ASSERT_TRUE(run(&Editor::miDeleteClick));
    EXPECT_EQ(editor.steps().selected(), 0);
    ASSERT_TRUE(run(&Editor::miDeleteClick));
    EXPECT_TRUE(editor.steps().empty());
    EXPECT_EQ(editor.steps().selected(), StepList::kNone);
    ASSERT_TRUE(run(&Editor::miDeleteClick)); // nothing selected: nothing happens
}

TEST_F(EditorEdits, MovesShiftThePassedRowsSuccessLinkWithWrap)
{
    const struct {
        std::uint16_t passed;
        bool down;
        std::uint16_t after;
    } cases[] = {{5, true, 4}, {0, true, X}, {X, true, X}, {5, false, 6}, {0xFFFE, false, X}, {X, false, X}};
    for (const auto& c : cases) {
        if (c.down) {
            loadSteps({{7, 8, 9}, {c.passed, 1, 1}});
            editor.selectRow(0);
            ASSERT_TRUE(run(&Editor::btDownClick));
            EXPECT_EQ(editor.steps().selected(), 1);
            EXPECT_EQ(links()[0], (Links{c.after, 1, 1}));
            EXPECT_EQ(links()[1], (Links{7, 8, 9}));
        } else {
            loadSteps({{c.passed, 1, 1}, {7, 8, 9}});
            editor.selectRow(1);
            ASSERT_TRUE(run(&Editor::btUpClick));
            EXPECT_EQ(editor.steps().selected(), 0);
            EXPECT_EQ(links()[1], (Links{c.after, 1, 1}));
            EXPECT_EQ(links()[0], (Links{7, 8, 9}));
        }
    }
}

TEST_F(EditorEdits, MovesAtTheEdgesDoNothing)
{
    loadSteps({{5, 5, 5}, {6, 6, 6}});
    editor.selectRow(0);
    ASSERT_TRUE(run(&Editor::btUpClick));
    editor.selectRow(1);
    ASSERT_TRUE(run(&Editor::btDownClick));
    EXPECT_EQ(links(), (std::vector<Links>{{5, 5, 5}, {6, 6, 6}}));
    EXPECT_EQ(editor.steps().row(0).record.testId(), 0x10);
}

// A moved row keeps its selection at a new number: the title names it, as
// a click on that row would.
TEST_F(EditorEdits, CommandsThatMoveTheSelectionEndWithItsTitle)
{
    using Command = void (Editor::*)();
    const struct {
        int select; // before the commands; kNone: as loaded (step 1)
        std::vector<Command> commands;
        const char* title;
    } cases[] = {
        {StepList::kNone, {&Editor::btDownClick, &Editor::btDownClick, &Editor::btDownClick}, "Step: 4 (4h)"},
        {3, {&Editor::btUpClick}, "Step: 3 (3h)"},
        {1, {&Editor::miInsertClick, &Editor::btUpClick}, "Step: 2 (2h)"},
        {5, {&Editor::miDeleteClick}, "Step: 5 (5h)"},
    };
    for (const auto& c : cases) {
        loadSteps(std::vector<Links>(6, Links{1, 1, 1}));
        if (c.select != StepList::kNone)
            editor.selectRow(c.select);
        for (const Command command : c.commands)
            ASSERT_TRUE(run(command));
        EXPECT_EQ(editor.title(), std::string("Self Scan Script - 28 - ") + c.title);
    }
}

TEST_F(EditorEdits, BulkLinkRules)
{
    const struct {
        const char* name;
        void (Editor::*command)();
        int rows;
        std::vector<Links> expected;
    } cases[] = {
        {"END on 5", &Editor::miSetErorSteptoEndClick, 5, {{2, 4, 5}, {3, 4, 5}, {X, X, X}, {X, X, X}, {X, X, X}}},
        {"END on 3", &Editor::miSetErorSteptoEndClick, 3, {{X, X, X}, {X, X, X}, {X, X, X}}},
        {"STOP on 3", &Editor::miSetErorSteptoStopClick, 3, {{2, X, X}, {3, X, X}, {X, X, X}}},
        {"STOP on 1", &Editor::miSetErorSteptoStopClick, 1, {{X, X, X}}},
        {"step by step", &Editor::miSetGoodSteptoStepByStepClick, 3, {{2, 7, 7}, {3, 7, 7}, {X, X, X}}},
    };
    for (const auto& c : cases) {
        loadSteps(std::vector<Links>(static_cast<std::size_t>(c.rows), Links{7, 7, 7}));
        ASSERT_TRUE(run(c.command));
        EXPECT_EQ(links(), c.expected) << c.name;
    }
}

TEST_F(EditorEdits, StepByStepKeepsASecondToLastDCStep)
{
    ModuleBuilder b;
    for (std::uint16_t id : {0x10, 0xDC, 0x12}) {
        StepRecord r = b.record(id);
        r.setLinks(9);
        b.step(r);
    }
    load(b.build());
    ASSERT_TRUE(run(&Editor::miSetGoodSteptoStepByStepClick));
    EXPECT_EQ(links(), (std::vector<Links>{{2, 9, 9}, {9, 9, 9}, {X, X, X}}));
}

TEST_F(EditorEdits, ClearScriptLogInBothErrorCodeLayouts)
{
    for (ModuleLayout layout : {ModuleLayout::Royl, ModuleLayout::Legacy28}) {
        ModuleBuilder b(layout);
        StepRecord r = b.record(0x10, 0x1234);
        for (std::size_t i = 0; i < r.size(); ++i)
            r.mutableBytes()[i] = static_cast<Byte>(0xA0 + i);
        b.step(r);
        load(b.build());
        ASSERT_EQ(editor.steps().row(0).icon, StepIcon::Failed);
        ASSERT_TRUE(run(&Editor::miClearScriptClick));
        const StepRecord& after = editor.steps().row(0).record;
        const std::size_t errorAt = layout == ModuleLayout::Royl ? 0x68 : 0x54;
        for (std::size_t i = 0; i < after.size(); ++i) {
            const Byte expected = i < 0x4E ? static_cast<Byte>(0xA0 + i) : (i == errorAt || i == errorAt + 1) ? 0xFF : 0;
            ASSERT_EQ(after.bytes()[i], expected) << i;
        }
        EXPECT_EQ(editor.steps().row(0).icon, StepIcon::None);
    }
}

TEST_F(EditorEdits, ClearCurrentStepLogClearsOnlyTheSelectedRow)
{
    ModuleBuilder b;
    b.step(0x10, 0).step(0x11, 0);
    load(b.build());
    editor.selectRow(1);
    ASSERT_TRUE(run(&Editor::miClearCurrentStepClick));
    EXPECT_EQ(editor.steps().row(0).icon, StepIcon::Passed);
    EXPECT_EQ(editor.steps().row(1).icon, StepIcon::None);
    EXPECT_EQ(editor.steps().row(1).record.errorCode(ModuleLayout::Royl), 0xFFFF);
    EXPECT_EQ(editor.recordBuffer().bytes(), editor.steps().row(1).record.data());
}

TEST_F(EditorEdits, ClearKeepsTheImageAndTitle)
{
    loadSteps({{0, 0, 0}});
    const std::string title = editor.title();
    const std::size_t size = editor.image().size();
    ASSERT_TRUE(run(&Editor::miClearAllClick));
    EXPECT_TRUE(editor.steps().empty());
    EXPECT_EQ(editor.image().size(), size);
    EXPECT_EQ(editor.recordSize(), 136);
    EXPECT_EQ(editor.title(), title);
}

// Ctrl+Z in the hex view takes the bytes back in the record too, until
// another selection starts a new history.
TEST_F(EditorEdits, HexViewUndoGoesIntoTheRecordUntilTheNextSelection)
{
    loadSteps({{1, 1, 1}, {2, 2, 2}});
    editor.selectRow(0);
    const Byte ffff[2] = {0xFF, 0xFF};
    ASSERT_TRUE(editor.run([&] { editor.writeRecordBytes(0x48, ffff); }));
    ASSERT_TRUE(editor.run([&] { EXPECT_EQ(editor.undoRecordBytes(), (ByteRange{0x48, 2})); }));
    EXPECT_EQ(links()[0], (Links{1, 1, 1}));
    EXPECT_FALSE(editor.recordBuffer().isChanged(0x48));
    ASSERT_TRUE(editor.run([&] { editor.redoRecordBytes(); }));
    EXPECT_EQ(links()[0], (Links{0xFFFF, 1, 1}));

    editor.selectRow(1);
    editor.selectRow(0);
    ASSERT_TRUE(editor.run([] {}));
    EXPECT_EQ(editor.recordBuffer().bytes(), editor.steps().row(0).record.data());
    EXPECT_FALSE(editor.recordBuffer().isChanged(0x48));
    ASSERT_TRUE(editor.run([&] { EXPECT_TRUE(editor.undoRecordBytes().empty()); }));
    EXPECT_EQ(links()[0], (Links{0xFFFF, 1, 1}));
}

TEST_F(EditorEdits, HexViewEditsGoIntoTheSelectedRecordOnly)
{
    loadSteps({{1, 1, 1}, {2, 2, 2}});
    editor.selectRow(0);
    ASSERT_TRUE(editor.run([] {}));
    const Byte ffff[2] = {0xFF, 0xFF};
    ASSERT_TRUE(editor.run([&] { EXPECT_EQ(editor.writeRecordBytes(0x48, ffff), (ByteRange{0x48, 2})); }));
    EXPECT_EQ(links()[0], (Links{0xFFFF, 1, 1}));
    EXPECT_EQ(editor.steps().row(0).caption, "10"); // the ID text stays
    EXPECT_TRUE(editor.recordBuffer().canUndo()); // no refresh, undo history kept
    EXPECT_TRUE(editor.recordBuffer().isChanged(0x49));
    // With no row selected the shown bytes change, no record does.
    editor.selectRow(StepList::kNone);
    ASSERT_TRUE(editor.run([&] { editor.writeRecordBytes(0, Bytes(136, 0xEE)); }));
    EXPECT_EQ(editor.recordBuffer().bytes(), Bytes(136, 0xEE));
    EXPECT_EQ(links(), (std::vector<Links>{{0xFFFF, 1, 1}, {2, 2, 2}}));
}

namespace {

// The rows as the commands are described, kept in plain vectors: what the
// editor must agree with after any sequence of edits.
struct OracleRow {
    std::string caption;
    std::uint16_t testId;
    Links links;
};

struct Oracle {
    std::vector<OracleRow> rows;
    int selected = -1;

    int n() const { return static_cast<int>(rows.size()); }

    void insert()
    {
        const int pos = selected + 1;
        const auto next = static_cast<std::uint16_t>(pos + 2);
        rows.insert(rows.begin() + pos, {"DC", 0xDC, {next, next, next}});
        selected = pos;
        for (int i = pos + 1; i < n(); ++i)
            for (auto& v : rows[static_cast<std::size_t>(i)].links)
                if (v != 0 && v != X && v < n() - 1)
                    ++v;
    }

    void remove()
    {
        if (selected < 0)
            return;
        const int d = selected;
        const bool eeee = rows[static_cast<std::size_t>(d)].caption == "EEEE";
        rows.erase(rows.begin() + d);
        selected = d < n() ? d : n() - 1;
        for (int i = (eeee && d > 0) ? d - 1 : d; i < n(); ++i)
            for (auto& v : rows[static_cast<std::size_t>(i)].links)
                if (v != 0 && v != X)
                    --v;
    }

    // The moved row passes row `passed`, whose success link moves by delta.
    void move(int delta)
    {
        const int target = selected + delta;
        if (selected < 0 || target < 0 || target >= n())
            return;
        std::swap(rows[static_cast<std::size_t>(selected)], rows[static_cast<std::size_t>(target)]);
        std::uint16_t& success = rows[static_cast<std::size_t>(selected)].links[0];
        if (success != X)
            success = static_cast<std::uint16_t>(success - delta);
        selected = target;
    }
};

} // namespace

TEST_F(EditorEdits, RandomEditsAgreeWithTheDescribedArithmetic)
{
    std::mt19937 random(20240611);
    auto pick = [&](int below) { return static_cast<int>(random() % static_cast<unsigned>(below)); };
    const std::uint16_t linkValues[] = {0, 1, 2, 3, 4, 5, 6, 7, 9, 0xFFFE, X};
    const std::uint16_t ids[] = {0x10, 0xDC, 0xEEEE, 0x8001};
    Oracle oracle;

    for (int step = 0; step < 3000; ++step) {
        if (oracle.rows.empty() || step % 250 == 0) {
            ModuleBuilder b;
            b.capacity(40);
            oracle = Oracle();
            for (int i = pick(7) + 1; i > 0; --i) {
                const std::uint16_t id = ids[pick(4)];
                StepRecord r = b.record(id);
                Links links{};
                for (auto& v : links)
                    v = linkValues[pick(11)];
                for (int l = 0; l < 3; ++l)
                    r.setLink(l, links[static_cast<std::size_t>(l)]);
                b.step(r);
                oracle.rows.push_back({hex2(id), id, links});
            }
            // The header's current step; 0 and steps past the end select step 1.
            const int current = pick(oracle.n() + 2);
            b.currentStep(static_cast<std::uint16_t>(current));
            load(b.build());
            oracle.selected = (current == 0 || current > oracle.n()) ? 0 : current - 1;
        }
        switch (pick(6)) {
        case 0: ASSERT_TRUE(run(&Editor::miInsertClick)); oracle.insert(); break;
        case 1: ASSERT_TRUE(run(&Editor::miDeleteClick)); oracle.remove(); break;
        case 2: ASSERT_TRUE(run(&Editor::btUpClick)); oracle.move(-1); break;
        case 3: ASSERT_TRUE(run(&Editor::btDownClick)); oracle.move(+1); break;
        case 4: {
            // A click anywhere, below the last row included.
            const int row = pick(oracle.n() + 2) - 1;
            editor.selectRow(row);
            ASSERT_TRUE(editor.run([] {}));
            oracle.selected = row < oracle.n() ? row : -1;
            break;
        }
        default: {
            // Typing a link into the hex view of the selected step.
            const int link = pick(3);
            const std::uint16_t v = linkValues[pick(11)];
            Byte typed[2];
            putU16(typed, 0, v);
            ASSERT_TRUE(editor.run([&] { editor.writeRecordBytes(field::kLinks[static_cast<std::size_t>(link)], typed); }));
            if (oracle.selected >= 0)
                oracle.rows[static_cast<std::size_t>(oracle.selected)].links[static_cast<std::size_t>(link)] = v;
        }
        }

        ASSERT_EQ(editor.steps().size(), oracle.n()) << "step " << step;
        ASSERT_EQ(editor.steps().selected(), oracle.selected) << "step " << step;
        for (int i = 0; i < oracle.n(); ++i) {
            const StepRow& row = editor.steps().row(i);
            const OracleRow& want = oracle.rows[static_cast<std::size_t>(i)];
            ASSERT_EQ(row.caption, want.caption) << "step " << step << " row " << i;
            ASSERT_EQ(row.record.testId(), want.testId) << "step " << step << " row " << i;
            ASSERT_EQ((Links{row.record.link(0), row.record.link(1), row.record.link(2)}), want.links)
                << "step " << step << " row " << i;
        }
        if (oracle.selected >= 0) {
            ASSERT_EQ(editor.recordBuffer().bytes(), editor.steps().row(oracle.selected).record.data()) << "step " << step;
        }
    }
}
