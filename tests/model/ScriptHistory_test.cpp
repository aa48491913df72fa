#include "convert/ArcoScript.h"
#include "convert/IniImport.h"
#include "convert/PtmHistoryScript.h"
#include "convert/ScriptUpgrade.h"
#include "convert/SelfScanFromE6.h"
#include "model/Error.h"
#include "support/GeneratorFixture.h"

#include <functional>

using namespace pst;
using namespace pst::test;

namespace {
// Everything Undo must bring back exactly.
struct ScriptState {
    std::vector<StepRow> rows;
    int selected = StepList::kNone;
    bool modified = false;
    Bytes image;
    std::uint16_t recordSize = 0;

    friend bool operator==(const ScriptState&, const ScriptState&) = default;
};
} // namespace

class ScriptHistoryTest : public GeneratorFixture {
protected:
    void SetUp() override
    {
        // Links to the next step, logs of passed and failed steps.
        ModuleBuilder b;
        for (int i = 0; i < 6; ++i) {
            StepRecord r = b.record(static_cast<std::uint16_t>(0x10 + i));
            r.setLinks(static_cast<std::uint16_t>(i + 2));
            r.setErrorCode(ModuleLayout::Royl, static_cast<std::uint16_t>(i % 2 ? 0x1234 : 0));
            b.step(r);
        }
        load(b.capacity(16).build());
        editor.run([&] { editor.selectRow(2); });
    }

    ScriptState state() const
    {
        return {editor.steps().rows(), editor.steps().selected(), editor.modified(), editor.image().data(),
                editor.recordSize()};
    }
    bool undo() { return editor.run([&] { editor.miUndoClick(); }); }
    bool redo() { return editor.run([&] { editor.miRedoClick(); }); }
    void type(std::size_t offset, Byte value)
    {
        editor.run([&] { editor.writeRecordBytes(offset, ByteView(&value, 1)); }, kTypingCaption);
    }
};

// Every command: undone, the whole state is as before (rows with records,
// texts and icons, selection, modified mark); redone, as after.
TEST_F(ScriptHistoryTest, EveryCommandIsUndoneAndRedoneExactly)
{
    auto editorCommand = [this](void (Editor::*command)()) { return [this, command] { (editor.*command)(); }; };
    auto converter = [this](void (*command)(Editor&)) { return [this, command] { command(editor); }; };
    const struct {
        const char* caption;
        std::function<void()> prepare; // outside the step
        std::function<void()> command;
    } cases[] = {
        {"Insert", {}, editorCommand(&Editor::miInsertClick)},
        {"Delete", {}, editorCommand(&Editor::miDeleteClick)},
        {"Delete", [this] { editor.run([&] { editor.selectRow(5); }); }, editorCommand(&Editor::miDeleteClick)},
        {"Move Up", {}, editorCommand(&Editor::btUpClick)},
        {"Move Down", {}, editorCommand(&Editor::btDownClick)},
        {"Set Eror Step to END", {}, editorCommand(&Editor::miSetErorSteptoEndClick)},
        {"Set Eror Step to STOP", {}, editorCommand(&Editor::miSetErorSteptoStopClick)},
        {"Set Good Step to Step_by_Step", {}, editorCommand(&Editor::miSetGoodSteptoStepByStepClick)},
        {"Clear Current Step Log", {}, editorCommand(&Editor::miClearCurrentStepClick)},
        {"Clear Script Log", {}, editorCommand(&Editor::miClearScriptClick)},
        {"Clear", {}, editorCommand(&Editor::miClearAllClick)},
        {"Upgrade Script",
         [this] { load(ModuleBuilder().step(0xD8).step(0x3421).step(0x40).step(0x10, 0).capacity(16).build()); },
         converter(&miUpgradeScriptClick)},
        {"Create ARCO Script", [this] { confirm(0x2403); }, converter(&miCreateARCOScriptClick)},
        {"Create Selfscan Script from E6",
         [this] { offer(0xE6, E6ModuleBuilder().test(e6Test(0x0007, 0)).test(e6Test(0x8012, 5)).build()); },
         converter(&miCreateSelfscanScriptfromE6Click)},
        {"Create Script from DVT PTM History",
         [this] { offer(0x1100, ptmHistoryModule(ModuleLayout::Royl, {{0xA1, 1, {}}, {0xB9, 2, {}}})); },
         converter(&miCreateScriptfromDVTPTMHistoryClick)},
        {"Import from INI",
         [this] {
             fs.put("/in/PST.ini", std::string_view("[PST Sequence]\nStep1=DC,1\nStep2=B1,2,3\n"));
             host.openAnswers.push_back("/in/PST.ini");
         },
         converter(&miImportfromINIClick)},
        {"Drop", [this] { fs.put("/drop/steps.txt", std::string_view("DC,1,F\r\nB9 2\r\n")); },
         [this] { editor.WMDropFiles({"/drop/steps.txt"}); }},
        {"Edit TEST_ARG", {}, [this] { editor.writeRecordBytes(2, Bytes{0x34, 0x12}); }},
        {"Typing", {}, [this] { editor.writeRecordBytes(0x48, Bytes{0xFF}); }},
        {"Save", [this] { host.saveAnswers.push_back("/out/a.rpm"); }, editorCommand(&Editor::btWriteClick)},
    };
    for (const auto& c : cases) {
        SetUp();
        if (c.prepare)
            c.prepare();
        const ScriptState before = state();
        EXPECT_TRUE(editor.run(c.command, c.caption)) << c.caption;
        const ScriptState after = state();
        EXPECT_FALSE(after.rows == before.rows) << c.caption;
        EXPECT_EQ(editor.history().undoCaption(), c.caption);

        EXPECT_TRUE(undo());
        ScriptState undone = state();
        if (std::string_view(c.caption) == "Save") {
            // The module keeps what was written, which is now the state
            // without the mark.
            undone.image = before.image;
            EXPECT_TRUE(undone.modified);
            undone.modified = before.modified;
        }
        EXPECT_TRUE(undone == before) << c.caption;
        EXPECT_EQ(editor.history().redoCaption(), c.caption);
        EXPECT_FALSE(editor.history().canUndo()) << c.caption;

        EXPECT_TRUE(redo());
        EXPECT_TRUE(state() == after) << c.caption;
    }
}

TEST_F(ScriptHistoryTest, TypingInOneRecordIsOneStepUntilTheSelectionChangesOrAnotherCommandRuns)
{
    type(0x10, 1);
    type(0x11, 2);
    EXPECT_EQ(editor.history().undoCount(), 1u);
    editor.run([&] { editor.selectRow(3); });
    type(0x10, 3);
    EXPECT_EQ(editor.history().undoCount(), 2u);
    editor.run([&] { editor.miSetErorSteptoEndClick(); }, "Set Eror Step to END");
    type(0x11, 4);
    EXPECT_EQ(editor.history().undoCount(), 4u);
    // Undone, the typing in row 3 comes back whole; the first typing stays.
    undo();
    undo();
    undo();
    EXPECT_EQ(editor.steps().row(3).record.bytes()[0x10], 0);
    EXPECT_EQ(editor.steps().row(2).record.bytes()[0x11], 2);
    EXPECT_EQ(editor.steps().selected(), 3);
}

TEST_F(ScriptHistoryTest, ModifiedMarkFollowsTheStateLastLoadedOrSaved)
{
    editor.run([&] { editor.miInsertClick(); }, "Insert");
    EXPECT_TRUE(editor.modified());
    undo();
    EXPECT_FALSE(editor.modified());
    redo();
    EXPECT_TRUE(editor.modified());
    host.saveAnswers.push_back("/out/a.rpm");
    editor.run([&] { editor.btWriteClick(); }, "Save");
    EXPECT_FALSE(editor.modified());
    undo(); // the END rule of Save
    EXPECT_TRUE(editor.modified());
    redo();
    EXPECT_FALSE(editor.modified());
    // A new step after an undo drops the redo side, and the saved state with it.
    undo();
    editor.run([&] { editor.miInsertClick(); }, "Insert");
    EXPECT_FALSE(editor.history().canRedo());
    undo();
    EXPECT_TRUE(editor.modified());
}

TEST_F(ScriptHistoryTest, LoadAndDroppedModuleStartANewHistory)
{
    const Bytes other = ModuleBuilder().step(0x77).build();
    fs.put("/drop/other.rpm", other);
    for (const bool drop : {false, true}) {
        editor.run([&] { editor.miInsertClick(); }, "Insert");
        undo();
        editor.run([&] { editor.miDeleteClick(); }, "Delete");
        host.saveChangesAnswers.push_back(SaveChangesAnswer::Discard);
        if (drop)
            editor.run([&] { editor.WMDropFiles({"/drop/other.rpm"}); }, "Drop");
        else
            load(other, "/drop/other.rpm");
        EXPECT_FALSE(editor.history().canUndo());
        EXPECT_FALSE(editor.history().canRedo());
        EXPECT_FALSE(undo() && editor.modified());
        EXPECT_EQ(editor.steps().size(), 1);
    }
}

TEST_F(ScriptHistoryTest, CommandStoppedByAnErrorIsOneStepOfWhatItDid)
{
    const ScriptState before = state();
    EXPECT_FALSE(editor.run([&] {
        editor.miInsertClick();
        editor.miInsertClick();
        throw Error("Stream read error");
    }, "Upgrade Script"));
    EXPECT_EQ(editor.steps().size(), 8);
    EXPECT_EQ(editor.history().undoCaption(), "Upgrade Script");
    undo();
    EXPECT_EQ(state(), before);
    // A command given without a caption is still a step.
    editor.run([&] { editor.miInsertClick(); });
    EXPECT_EQ(editor.history().undoCaption(), kUnnamedCaption);
}

TEST_F(ScriptHistoryTest, OldestStepsGoFirstBeyondEitherBound)
{
    editor.history().setBounds(3, ScriptHistory::kMaxBytes);
    for (int i = 0; i < 5; ++i)
        editor.run([&] { editor.miInsertClick(); }, "Insert");
    EXPECT_EQ(editor.history().undoCount(), 3u);
    while (editor.history().canUndo())
        undo();
    EXPECT_EQ(editor.steps().size(), 8); // the first two inserts stay
    EXPECT_TRUE(editor.modified());

    // A byte bound below one step keeps the newest step alone.
    editor.history().setBounds(1000, 1);
    editor.run([&] { editor.miClearScriptClick(); }, "Clear Script Log");
    editor.run([&] { editor.miClearAllClick(); }, "Clear");
    EXPECT_EQ(editor.history().undoCount() + editor.history().redoCount(), 1u);
    EXPECT_EQ(editor.history().undoCaption(), "Clear");
}

TEST_F(ScriptHistoryTest, LinkRuleKeepsHowFarTheLinksMovedNotTheRows)
{
    ModuleBuilder b;
    for (int i = 0; i < 2000; ++i) {
        StepRecord r = b.record(0x10);
        r.setLinks(static_cast<std::uint16_t>(i + 2));
        b.step(r);
    }
    load(b.build());
    editor.run([&] { editor.selectRow(StepList::kNone); });
    editor.run([&] { editor.miInsertClick(); }, "Insert");
    // The inserted row comes back on undo only; the renumbering is a few runs.
    EXPECT_LT(editor.history().memory(), 2000u);
}
