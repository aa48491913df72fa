// The module file changed on disk behind the editor's back. The Save
// question with each answer is driven through the window (tst_windowfiles).

#include "support/EditorFixture.h"

using namespace pst;
using namespace pst::test;

namespace {
const std::string kPath = "/mod/script.rpm";

class EditorFileOnDisk : public EditorFixture {
protected:
    void SetUp() override { load(ModuleBuilder().step(0x10).step(0x11).build()); }
    bool saveTo(const std::string& path)
    {
        host.saveAnswers.push_back(path);
        bool saved = false;
        EXPECT_TRUE(editor.run([&] { saved = editor.saveScript(); }));
        return saved;
    }
    const Bytes other = ModuleBuilder().step(0x20).build();
};
} // namespace

TEST_F(EditorFileOnDisk, NothingIsAskedWhenNothingCouldBeLost)
{
    fs.touch(kPath); // a new time, the same bytes
    EXPECT_TRUE(saveTo(kPath));
    fs.put("/mod/copy.rpm", other);
    EXPECT_TRUE(saveTo("/mod/copy.rpm")); // another file than the script's
    fs.put(kPath, other);                 // the old one is no longer the script's
    EXPECT_TRUE(saveTo("/mod/copy.rpm"));
    fs.remove("/mod/copy.rpm"); // gone: nothing to lose
    EXPECT_TRUE(saveTo("/mod/copy.rpm"));
    EXPECT_TRUE(host.replaceAsked.empty());
    EXPECT_EQ(host.moduleFilesNamed,
              (std::vector<std::string>{kPath, kPath, "/mod/copy.rpm", "/mod/copy.rpm", "/mod/copy.rpm"}));
}

TEST_F(EditorFileOnDisk, ALoadAgainIsOfferedOncePerVersionAndOnlyWithoutEdits)
{
    EXPECT_FALSE(editor.moduleFileChangedToOffer());
    fs.touch(kPath); // the same bytes: nothing to offer, and read once only
    const int reads = fs.readCount();
    EXPECT_FALSE(editor.moduleFileChangedToOffer());
    EXPECT_FALSE(editor.moduleFileChangedToOffer());
    EXPECT_EQ(fs.readCount(), reads + 1);
    fs.put(kPath, other);
    EXPECT_TRUE(editor.moduleFileChangedToOffer());
    EXPECT_FALSE(editor.moduleFileChangedToOffer()); // declined: not again
    fs.put(kPath, ModuleBuilder().step(0x30).build());
    editor.setModified(true);
    EXPECT_FALSE(editor.moduleFileChangedToOffer()); // edits of its own come first
    editor.setModified(false);
    EXPECT_TRUE(editor.moduleFileChangedToOffer());
}

TEST_F(EditorFileOnDisk, ADroppedStepTextBelongsToNoFile)
{
    fs.put("/drop/steps.txt", std::string_view("DC,1,F\n"));
    ASSERT_TRUE(editor.run([&] { editor.WMDropFiles({"/drop/steps.txt"}); }));
    EXPECT_FALSE(editor.moduleFile().has_value());
    fs.put("/drop/module.rpm", other);
    ASSERT_TRUE(editor.run([&] { editor.WMDropFiles({"/drop/module.rpm"}); }));
    ASSERT_TRUE(editor.moduleFile().has_value());
    EXPECT_EQ(editor.moduleFile()->path(), "/drop/module.rpm");
}
