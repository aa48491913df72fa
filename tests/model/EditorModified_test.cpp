#include "support/EditorFixture.h"

using namespace pst;
using namespace pst::test;

class EditorModified : public EditorFixture {
protected:
    void SetUp() override
    {
        load(ModuleBuilder().step(0x10, 0).step(0x11, 0).step(0x12, 0).step(0x13, 0).capacity(8).build());
        editor.selectRow(1);
        ASSERT_FALSE(editor.modified());
    }
};

TEST_F(EditorModified, CommandsThatChangeRowsMarkTheScript)
{
    const struct {
        const char* name;
        void (Editor::*command)();
        bool modifies;
    } cases[] = {
        {"insert", &Editor::miInsertClick, true},
        {"delete", &Editor::miDeleteClick, true},
        {"up", &Editor::btUpClick, true},
        {"down", &Editor::btDownClick, true},
        {"END", &Editor::miSetErorSteptoEndClick, true},
        {"STOP", &Editor::miSetErorSteptoStopClick, true},
        {"step by step", &Editor::miSetGoodSteptoStepByStepClick, true},
        {"clear log", &Editor::miClearCurrentStepClick, true},
        {"clear logs", &Editor::miClearScriptClick, true},
        {"clear", &Editor::miClearAllClick, true},
        {"refresh", &Editor::lvScriptChange, false},
    };
    for (const auto& c : cases) {
        SetUp();
        ASSERT_TRUE(run(c.command));
        EXPECT_EQ(editor.modified(), c.modifies) << c.name;
    }
}

TEST_F(EditorModified, HexViewEditsMarkItOnlyWhenBytesChange)
{
    ASSERT_TRUE(editor.run([] {}));
    editor.heScriptChange(host.hex.bytes());
    EXPECT_FALSE(editor.modified());
    Bytes view = host.hex.bytes();
    view[3] ^= 0xFF;
    editor.heScriptChange(view);
    EXPECT_TRUE(editor.modified());
    editor.selectRow(2);
    EXPECT_TRUE(editor.modified()); // selection alone does not clear it
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
