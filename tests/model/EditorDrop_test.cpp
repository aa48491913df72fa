#include "support/EditorFixture.h"

#include "model/TemplateModule.h"

#include <fstream>
#include <functional>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace pst;
using namespace pst::test;

class EditorDrop : public EditorFixture {
protected:
    void SetUp() override
    {
        fs.put("/cat/ModDescr.ini", "[Desc]\nDC=Dummy\n10=Ten\n[HOST_SEQ]\n8001=Host one\n");
    }

    bool drop(std::vector<std::string> paths)
    {
        return editor.run([&] { editor.WMDropFiles(paths); });
    }

    // What a drop that does nothing must leave as it was.
    struct Snapshot {
        Bytes image;
        std::vector<StepRow> rows;
        int selected;
        std::string title;
        bool modified;
        friend bool operator==(const Snapshot&, const Snapshot&) = default;
    };
    Snapshot snapshot() const
    {
        return {editor.image().data(), editor.steps().rows(), editor.steps().selected(), editor.title(),
                editor.modified()};
    }

    void loadAndModify()
    {
        load(ModuleBuilder().step(0x10).step(0x11).build());
        ASSERT_TRUE(run(&Editor::miInsertClick));
        ASSERT_TRUE(editor.modified());
    }
};

TEST_F(EditorDrop, ATextFileBecomesTheStepsOfTheTemplateModule)
{
    loadAndModify();
    fs.put("/drop/steps.txt", "DC,1,F\r\n* a remark with DC,2\r\n\r\n8001 2\n");
    ASSERT_TRUE(drop({"/drop/steps.txt"}));

    EXPECT_EQ(editor.image().data(), BuildTemplateModule());
    EXPECT_EQ(editor.recordSize(), 136);
    EXPECT_EQ(editor.maxStepCount(), 256);
    ASSERT_EQ(editor.steps().size(), 2);
    const StepRow& first = editor.steps().row(0);
    StepRecord expected(136);
    expected.setTestId(0xDC);
    expected.setTestArg(1);
    expected.setParam(1, 0xF);
    expected.setLinks(2); // as the insert gave them
    expected.setErrorCode(ModuleLayout::Royl, 0xFFFF);
    EXPECT_EQ(first.record, expected);
    EXPECT_EQ(first.caption, "DC");
    EXPECT_EQ(first.description, "Dummy");
    EXPECT_EQ(first.icon, StepIcon::None);
    EXPECT_EQ(editor.steps().row(1).caption, "8001");
    EXPECT_EQ(editor.steps().row(1).description, "Host one");
    EXPECT_EQ(editor.steps().row(1).record.testArg(), 2);

    EXPECT_EQ(editor.steps().selected(), 1);
    EXPECT_EQ(editor.title(), "Self Scan Script - 28 - Step: 2 (2h)");
    EXPECT_EQ(editor.recordBuffer().bytes(), editor.steps().row(1).record.data());
    EXPECT_EQ(host.custom, "Host one");
    EXPECT_TRUE(editor.modified());
    EXPECT_EQ(editor.hexHint().substr(editor.hexHint().rfind('\n') + 1), "Offset 68 - Error Code");
    EXPECT_EQ(host.scriptsReplaced, 2); // the load, then the drop
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(EditorDrop, AModuleReplacesTheScriptWithoutTheModuleIdBox)
{
    loadAndModify();
    editor.setModIdText("3C");
    fs.put("/drop/other.rpm", ModuleBuilder(ModuleLayout::Legacy28).step(0x10).build());
    fs.put("/drop/royl.rpm", ModuleBuilder().moduleId(0x3B).step(0x10).step(0x8001).step(0x12).build());
    const auto dialogs = host.dialogs.size();
    ASSERT_TRUE(drop({"/drop/royl.rpm", "/drop/other.rpm"}));

    EXPECT_EQ(host.dialogs.size(), dialogs);
    EXPECT_EQ(editor.image().data(), fs.bytes("/drop/royl.rpm"));
    EXPECT_EQ(editor.layout(), ModuleLayout::Royl);
    ASSERT_EQ(editor.steps().size(), 3);
    EXPECT_EQ(editor.steps().row(1).description, "Host one");
    EXPECT_EQ(editor.title(), "Self Scan Script - 3C - All: 3, Cur: 1, PTM Start Time:00:00:00");
    EXPECT_FALSE(editor.modified());
    EXPECT_EQ(host.scriptsReplaced, 2);
}

TEST_F(EditorDrop, AModuleThatOnlyStartsWithTheMagicIsNotCheckedFurther)
{
    Bytes bytes = ModuleBuilder().step(0x10).build();
    bytes[20] ^= 0xFF; // checksum no longer holds
    fs.put("/drop/bad-sum.rpm", bytes);
    ASSERT_TRUE(drop({"/drop/bad-sum.rpm"}));
    EXPECT_EQ(editor.steps().size(), 1);
}

TEST_F(EditorDrop, DropsThatNameNoFileOrFailChangeNothing)
{
    loadAndModify();
    fs.addFolder("/drop/folder");
    fs.put("/drop/short.txt", "DC,");
    fs.put("/drop/empty.txt", "");
    fs.put("/drop/short.rpm", Bytes{'R', 'O', 'Y', 'L', 0, 0, 0, 0, 0, 0});
    fs.put("/drop/locked.txt", "DC,1");
    fs.failReads("/drop/locked.txt");
    fs.put("/drop/fine.txt", "DC,1");
    struct Case {
        std::vector<std::string> paths;
        std::string error; // empty: nothing at all happens
    };
    const Case cases[] = {
        {{}, ""},
        {{"/drop/folder"}, ""},
        {{"/drop/missing.txt", "/drop/fine.txt"}, ""},
        {{"/drop/short.txt"}, "Stream read error"},
        {{"/drop/empty.txt"}, "Stream read error"},
        {{"/drop/short.rpm"}, "Stream read error"},
        {{"/drop/locked.txt"}, "Cannot open file \"/drop/locked.txt\". Permission denied"},
    };
    for (const Case& c : cases) {
        host.errors.clear();
        const Snapshot before = snapshot();
        EXPECT_EQ(drop(c.paths), c.error.empty()) << testing::PrintToString(c.paths);
        EXPECT_EQ(host.errors, c.error.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.error});
        EXPECT_TRUE(snapshot() == before) << testing::PrintToString(c.paths);
    }
}

TEST_F(EditorDrop, TakesALongPathWhole)
{
    const std::string path = "/drop/" + std::string(300, 'd') + "/steps.txt";
    fs.put(path, "10,1");
    ASSERT_TRUE(drop({path}));
    ASSERT_EQ(editor.steps().size(), 1);
    EXPECT_EQ(editor.steps().row(0).caption, "10");
}

#ifndef _WIN32
namespace {
// How much the resident memory grew at most while `work` ran, in a child
// process that starts as this one is.
std::size_t peakGrowth(const std::function<void()>& work)
{
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages >> pages; // size, then resident
    const std::size_t before = static_cast<std::size_t>(pages) * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    const pid_t pid = ::fork();
    if (pid == 0) {
        work();
        ::_exit(0);
    }
    int status = 0;
    rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const std::size_t peak = static_cast<std::size_t>(usage.ru_maxrss) * 1024;
    return peak > before ? peak - before : 0;
}
} // namespace
#endif

// One step from a line of four million fields and four million blank lines:
// neither the fields past the record nor the lines are listed first.
TEST_F(EditorDrop, ADropCostsLittleMoreThanTheTextAndItsSteps)
{
#ifdef _WIN32
    GTEST_SKIP() << "measures the peak memory of a forked child; Windows cannot fork";
#else
    constexpr std::size_t kRun = std::size_t{4} << 20;
    std::string text = "DC,1,F";
    text.append(kRun, ',');
    text.append(kRun, '\n');
    fs.put("/drop/long.txt", text);
    const std::size_t growth = peakGrowth([&] {
        if (!drop({"/drop/long.txt"}) || editor.steps().size() != 1 || editor.steps().row(0).record.param(1) != 0xF)
            ::_exit(1);
    });
    EXPECT_LT(growth, 3 * text.size()); // listing the lines alone took 9 times the text
#endif
}

TEST_F(EditorDrop, ATextWithoutStepsLeavesAnEmptyModifiedScript)
{
    loadAndModify();
    fs.put("/drop/remarks.txt", "* nothing here\n\n");
    ASSERT_TRUE(drop({"/drop/remarks.txt"}));
    EXPECT_TRUE(editor.steps().empty());
    EXPECT_EQ(editor.image().data(), BuildTemplateModule());
    EXPECT_TRUE(editor.modified());
}

TEST_F(EditorDrop, ATextFileWithoutTheTemplateChangesNothing)
{
    loadAndModify();
    fs.put("/drop/steps.txt", "DC,1,F\n");
    fs.put("/drop/royl.rpm", ModuleBuilder().step(0x10).build());
    const std::optional<Bytes> kNoTemplate;
    const std::optional<Bytes> kEmptyTemplate = Bytes{};
    for (const auto& carried : {kNoTemplate, kEmptyTemplate}) {
        host.resources = [&](std::string_view) { return carried; };
        host.errors.clear();
        const Snapshot before = snapshot();
        EXPECT_FALSE(drop({"/drop/steps.txt"}));
        EXPECT_EQ(host.errors, std::vector<std::string>{"Resource ID0028 not found"});
        EXPECT_TRUE(snapshot() == before);
        EXPECT_EQ(host.saveChangesAsked, 0); // refused before asking about the edits
    }
    // A module needs no template.
    ASSERT_TRUE(drop({"/drop/royl.rpm"}));
    EXPECT_EQ(editor.steps().size(), 1);
}

TEST_F(EditorDrop, TheTemplateComesFromTheHost)
{
    std::string asked;
    host.resources = [&](std::string_view name) -> std::optional<Bytes> {
        asked = name;
        return ModuleBuilder().capacity(3).build();
    };
    fs.put("/drop/steps.txt", "DC\n10\n");
    ASSERT_TRUE(drop({"/drop/steps.txt"}));
    EXPECT_EQ(asked, "ID0028");
    EXPECT_EQ(editor.maxStepCount(), 3);
    EXPECT_EQ(editor.steps().size(), 2);
}
