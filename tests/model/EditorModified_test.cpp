#include "convert/ArcoScript.h"
#include "convert/IniExport.h"
#include "convert/IniImport.h"
#include "convert/PtmHistoryScript.h"
#include "convert/ScriptUpgrade.h"
#include "convert/SelfScanFromE6.h"
#include "convert/TrexExport.h"
#include "support/GeneratorFixture.h"

#include <functional>

using namespace pst;
using namespace pst::test;

class EditorModified : public GeneratorFixture {
protected:
    void SetUp() override
    {
        load(ModuleBuilder().step(0x10, 0).step(0x11, 0).step(0x12, 0).step(0x13, 0).capacity(8).build());
        editor.selectRow(1);
        ASSERT_FALSE(editor.modified());
    }
    bool convert(void (*command)(Editor&)) { return runCommand(command); }
};

// Every command of the window, from a script as loaded and from one already
// edited: whether the script is modified afterwards.
TEST_F(EditorModified, EveryCommandSetsClearsOrKeepsTheMark)
{
    using Step = std::function<void()>;
    auto editorCommand = [this](void (Editor::*command)()) { return [this, command]() { run(command); }; };
    auto converter = [this](void (*command)(Editor&)) { return [this, command]() { convert(command); }; };
    auto drop = [this](std::string path) {
        return [this, path]() { editor.run([&] { editor.WMDropFiles({path}); }); };
    };
    auto save = [this](std::optional<std::string> path) {
        return [this, path]() {
            host.saveAnswers.push_back(path);
            run(&Editor::btWriteClick);
        };
    };
    auto loadFrom = [this](std::optional<std::string> path) {
        return [this, path]() {
            host.openAnswers.push_back(path);
            run(&Editor::btReadClick);
        };
    };
    auto hexByte = [this](Byte delta) {
        return [this, delta]() {
            editor.run([] {});
            const Byte typed = static_cast<Byte>(editor.recordBuffer().bytes()[3] + delta);
            editor.run([&] { editor.writeRecordBytes(3, ByteView(&typed, 1)); });
        };
    };
    const struct {
        const char* name;
        Step command;
        bool fromClean;  // modified afterwards, starting from a script as loaded
        bool fromEdited; // ... starting from an edited script
    } cases[] = {
        {"insert", editorCommand(&Editor::miInsertClick), true, true},
        {"delete", editorCommand(&Editor::miDeleteClick), true, true},
        {"up", editorCommand(&Editor::btUpClick), true, true},
        {"down", editorCommand(&Editor::btDownClick), true, true},
        {"END", editorCommand(&Editor::miSetErorSteptoEndClick), true, true},
        {"STOP", editorCommand(&Editor::miSetErorSteptoStopClick), true, true},
        {"step by step", editorCommand(&Editor::miSetGoodSteptoStepByStepClick), true, true},
        {"clear log", editorCommand(&Editor::miClearCurrentStepClick), true, true},
        {"clear logs", editorCommand(&Editor::miClearScriptClick), true, true},
        {"clear", editorCommand(&Editor::miClearAllClick), true, true},
        {"hex view byte typed", hexByte(1), true, true},
        {"hex view unchanged", hexByte(0), false, true},
        {"select a row", [this] { editor.run([&] { editor.selectRow(3); }); }, false, true},
        {"refresh", editorCommand(&Editor::lvScriptChange), false, true},
        {"module id typed", [this] { editor.setModIdText("3B"); }, false, true},
        {"write custom test", editorCommand(&Editor::btWriteToIniClick), false, true},
        {"from E6", [this] {
             offer(0xE6, E6ModuleBuilder().test(e6Test(0x0007, 0)).build());
             convert(&miCreateSelfscanScriptfromE6Click);
         }, true, true},
        // Without module E6 the logs and links are still redone.
        {"from E6 cancelled", converter(&miCreateSelfscanScriptfromE6Click), true, true},
        {"from PTM history", [this] {
             offer(0x1100, ptmHistoryModule(ModuleLayout::Royl, {{0xA1, 1, {}}}));
             convert(&miCreateScriptfromDVTPTMHistoryClick);
         }, true, true},
        {"from PTM history cancelled", converter(&miCreateScriptfromDVTPTMHistoryClick), false, true},
        {"ARCO", [this] {
             confirm(0x2403);
             convert(&miCreateARCOScriptClick);
         }, true, true},
        {"import INI", [this] {
             fs.put("/in/PST.ini", std::string_view("[PST Sequence]\nStep1=DC,1\n"));
             host.openAnswers.push_back("/in/PST.ini");
             convert(&miImportfromINIClick);
         }, true, true},
        {"import INI cancelled", converter(&miImportfromINIClick), false, true},
        {"upgrade", [this] {
             load(ModuleBuilder().step(0xD8).step(0x3421).step(0x40).capacity(16).build());
             convert(&miUpgradeScriptClick);
         }, true, true},
        {"upgrade refused", converter(&miUpgradeScriptClick), false, true},
        {"export INI", [this] {
             host.saveAnswers.push_back("/out/PST.ini");
             convert(&miExporttoINIClick);
         }, false, true},
        {"export TREX", [this] {
             host.saveAnswers.push_back("/out/script.trx");
             convert(&miExporttoTRXClick);
         }, false, true},
        {"drop step text", drop("/drop/steps.txt"), true, true},
        {"drop module", drop("/drop/other.rpm"), false, false},
        {"drop a module that does not parse", drop("/drop/broken.rpm"), false, true},
        {"load", loadFrom("/drop/other.rpm"), false, false},
        {"load cancelled", loadFrom(std::nullopt), false, true},
        {"load fails", loadFrom("/drop/broken.rpm"), false, true},
        {"save", save("/out/a.rpm"), false, false},
        {"save cancelled", save(std::nullopt), true, true}, // the END rule already ran
        {"save fails to write", save("/full/a.rpm"), false, true}, // a failed write changes nothing
        {"save refused: too many steps", [this] {
             for (int i = 0; i < 5; ++i) // beyond the module's 8 steps
                 run(&Editor::miInsertClick);
             host.saveAnswers.push_back("/out/b.rpm");
             run(&Editor::btWriteClick);
         }, true, true},
    };
    for (const auto& c : cases) {
        for (const bool edited : {false, true}) {
            SetUp();
            fs.put("/drop/steps.txt", std::string_view("DC,1,F\r\n"));
            fs.put("/drop/other.rpm", ModuleBuilder().step(0x77).build());
            Bytes broken = ModuleBuilder().step(0x77).build();
            broken.resize(12);
            fs.put("/drop/broken.rpm", broken);
            fs.failWrites("/full/a.rpm");
            if (edited)
                editor.setModified(true);
            host.saveChangesAnswers.push_back(SaveChangesAnswer::Discard);
            c.command();
            EXPECT_EQ(editor.modified(), edited ? c.fromEdited : c.fromClean) << c.name << (edited ? ", edited" : "");
            host.openAnswers.clear();
            host.saveAnswers.clear();
            host.saveChangesAnswers.clear();
            host.moduleFiles.clear();
        }
    }
}

TEST_F(EditorModified, HexViewEditsMarkItOnlyWhenBytesChange)
{
    ASSERT_TRUE(editor.run([] {}));
    const Bytes shown = editor.recordBuffer().bytes();
    editor.writeRecordBytes(0, shown);
    EXPECT_FALSE(editor.modified());
    const auto flipped = static_cast<Byte>(shown[3] ^ 0xFF);
    editor.writeRecordBytes(3, ByteView(&flipped, 1));
    EXPECT_TRUE(editor.modified());
    editor.selectRow(2);
    EXPECT_TRUE(editor.modified()); // selection alone does not clear it
}

// The host hears of the mark when it changes, and of every command that
// changed the rows, once, when the command ends.
TEST_F(EditorModified, TheHostIsToldOncePerCommand)
{
    host.modifiedReports.clear();
    host.scriptChanges = 0;
    ASSERT_TRUE(editor.run([&] { editor.selectRow(2); }));
    EXPECT_EQ(host.scriptChanges, 0);
    ASSERT_TRUE(editor.run([&] {
        editor.miInsertClick();
        editor.miInsertClick();
    }));
    ASSERT_TRUE(run(&Editor::miInsertClick));
    EXPECT_EQ(host.modifiedReports, (std::vector<bool>{true}));
    EXPECT_EQ(host.scriptChanges, 2);
    host.saveAnswers.push_back("/out/a.rpm");
    ASSERT_TRUE(run(&Editor::btWriteClick));
    EXPECT_EQ(host.modifiedReports, (std::vector<bool>{true, false}));
    EXPECT_EQ(host.scriptChanges, 3); // the END rule took over the links
}

TEST_F(EditorModified, SavingTheFileClearsItCancellingDoesNot)
{
    ASSERT_TRUE(run(&Editor::miInsertClick));
    host.saveAnswers.push_back(std::nullopt);
    ASSERT_TRUE(run(&Editor::btWriteClick));
    EXPECT_TRUE(editor.modified());
    host.saveAnswers.push_back("/out/a.rpm");
    ASSERT_TRUE(run(&Editor::btWriteClick));
    EXPECT_FALSE(editor.modified());
}

TEST_F(EditorModified, LoadAsksFirstOnlyWhenModified)
{
    const Bytes other = ModuleBuilder().step(0x77).build();
    fs.put("/other.rpm", other);

    host.openAnswers.push_back("/other.rpm");
    ASSERT_TRUE(run(&Editor::btReadClick));
    EXPECT_EQ(host.saveChangesAsked, 0);

    const struct {
        SaveChangesAnswer answer;
        std::optional<std::string> saveAs;
        bool loads;
    } cases[] = {
        {SaveChangesAnswer::Cancel, std::nullopt, false},
        {SaveChangesAnswer::Discard, std::nullopt, true},
        {SaveChangesAnswer::Save, std::string("/out/kept.rpm"), true},
        {SaveChangesAnswer::Save, std::nullopt, false}, // the save dialog cancelled
    };
    for (const auto& c : cases) {
        load(ModuleBuilder().step(0x10).step(0x11).build());
        ASSERT_TRUE(run(&Editor::miInsertClick));
        const int dialogs = static_cast<int>(host.dialogs.size());
        host.saveChangesAnswers.push_back(c.answer);
        if (c.answer == SaveChangesAnswer::Save)
            host.saveAnswers.push_back(c.saveAs);
        host.openAnswers.push_back("/other.rpm");
        ASSERT_TRUE(run(&Editor::btReadClick));
        EXPECT_EQ(editor.steps().size() == 1, c.loads) << static_cast<int>(c.answer);
        const bool openShown = std::any_of(host.dialogs.begin() + dialogs, host.dialogs.end(),
                                           [](const ShownDialog& d) { return d.purpose == DialogPurpose::LoadModule; });
        EXPECT_EQ(openShown, c.loads);
        if (c.saveAs) {
            EXPECT_TRUE(fs.has(*c.saveAs));
        }
        host.openAnswers.clear();
    }
}

TEST_F(EditorModified, ADropAsksFirstAndCancelKeepsTheScript)
{
    fs.put("/drop/steps.txt", std::string_view("DC,1,F\r\n"));
    ASSERT_TRUE(run(&Editor::miInsertClick));
    const auto rows = editor.steps().rows();
    host.saveChangesAnswers.push_back(SaveChangesAnswer::Cancel);
    ASSERT_TRUE(editor.run([&] { editor.WMDropFiles({"/drop/steps.txt"}); }));
    EXPECT_EQ(host.saveChangesAsked, 1);
    EXPECT_EQ(editor.steps().rows(), rows);
    host.saveChangesAnswers.push_back(SaveChangesAnswer::Discard);
    ASSERT_TRUE(editor.run([&] { editor.WMDropFiles({"/drop/steps.txt"}); }));
    EXPECT_EQ(editor.steps().size(), 1);
    EXPECT_EQ(host.saveChangesAsked, 2);
}
