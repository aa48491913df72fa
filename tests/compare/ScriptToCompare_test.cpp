// The other script is read as Load reads a module, into a script of its own:
// the editor's script, image and title stay, whatever the file holds.

#include "compare/ScriptToCompare.h"
#include "support/EditorFixture.h"

using namespace pst;
using namespace pst::test;

class ScriptToCompare : public EditorFixture {};

TEST_F(ScriptToCompare, ReadsTheModuleWithoutTouchingTheEditor)
{
    loadSteps({{2, 0, 0}, {0, 0, 0}});
    editor.setModIdText("3B");
    const Bytes image = editor.image().data();
    const std::string title = editor.title();
    fs.put("/mod/other.rpm", ModuleBuilder(ModuleLayout::Legacy28).step(0x20).step(0x21).step(0x22).build());
    host.openAnswers.push_back("/mod/other.rpm");

    std::optional<ParsedScript> other;
    ASSERT_TRUE(editor.run([&] { other = readScriptToCompare(editor); }));
    ASSERT_TRUE(other);
    EXPECT_EQ(other->layout, ModuleLayout::Legacy28);
    EXPECT_EQ(other->rows.size(), 3u);
    EXPECT_EQ(compareInput(*other).recordSize, 116);

    const ShownDialog& dialog = host.dialogs.back();
    EXPECT_EQ(dialog.purpose, DialogPurpose::CompareModule);
    EXPECT_EQ(dialog.moduleId, 0x3B);
    EXPECT_EQ(dialog.filter, "Module 3B|*3B*.rpm|All|*.*");
    EXPECT_EQ(editor.steps().size(), 2);
    EXPECT_EQ(editor.image().data(), image);
    EXPECT_EQ(editor.title(), title);
    EXPECT_EQ(editor.layout(), ModuleLayout::Royl);
}

TEST_F(ScriptToCompare, CancelEmptyFileAndUnreadableFile)
{
    loadSteps({{0, 0, 0}});
    fs.put("/mod/empty.rpm", Bytes{});
    fs.put("/mod/short.rpm", Bytes{'R', 'O', 'Y', 'L', 0});
    host.openAnswers = {std::nullopt, "/mod/empty.rpm", "/mod/short.rpm", "/mod/missing.rpm"};
    const struct {
        bool ran;
        std::size_t errors;
    } cases[] = {{true, 0}, {true, 0}, {false, 1}, {false, 2}};
    for (const auto& c : cases) {
        std::optional<ParsedScript> other;
        EXPECT_EQ(editor.run([&] { other = readScriptToCompare(editor); }), c.ran);
        EXPECT_FALSE(other);
        EXPECT_EQ(host.errors.size(), c.errors);
    }
    EXPECT_EQ(host.errors.at(0), "Stream read error");
    EXPECT_EQ(editor.steps().size(), 1);
}
