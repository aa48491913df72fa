// Taking from the other script into the editor's: a changed step is
// rewritten, one the other lacks goes with the links lowered as Delete does,
// a field alone is written through the record write, and a link to a step
// the edited script lacks is refused. (An inserted step: the compare
// window's test.)

#include "compare/ScriptToCompare.h"
#include "compare/TakeFromOther.h"
#include "support/CompareSteps.h"
#include "support/EditorFixture.h"

using namespace pst;
using namespace pst::test;


class TakeFromOther : public EditorFixture {
protected:
    void open(const std::vector<Step>& edited, const std::vector<Step>& other)
    {
        load(stepModule(edited).build());
        fs.put("/mod/other.rpm", stepModule(other).build());
        host.openAnswers.push_back("/mod/other.rpm");
        ASSERT_TRUE(editor.run([&] { chosen = chooseScriptToCompare(editor); }));
        ASSERT_TRUE(chosen);
        EXPECT_EQ(chosen->path, "/mod/other.rpm");
        compare();
    }
    void compare() { comparison = compareScripts(compareInput(chosen->script), compareInput(editor)); }

    // Takes the step of `line`, or its field named `field`, as one command.
    TakeOutcome take(int line, std::string_view field = {})
    {
        const FieldDifference* difference = nullptr;
        for (const FieldDifference& d : comparison.differencesOf(comparison.lines.at(static_cast<std::size_t>(line))))
            if (d.name == field)
                difference = &d;
        EXPECT_EQ(field.empty(), difference == nullptr) << field;
        TakeOutcome out;
        EXPECT_TRUE(editor.run([&] {
            out = takeFromOther(editor, comparison, compareInput(chosen->script), compareInput(editor), line, difference);
        }));
        compare();
        return out;
    }

    std::string captions() const
    {
        std::string out;
        for (const StepRow& row : editor.steps().rows())
            out += (out.empty() ? "" : " ") + row.caption.str();
        return out;
    }

    std::optional<ChosenScript> chosen;
    ScriptComparison comparison;
};

TEST_F(TakeFromOther, ReplacesAChangedStepAndRemovesOneTheOtherLacks)
{
    // Lines: 1~1 P1, -2, 2=3, 3=4.
    open({{0x10, 6, 3}, {0x99}, {0x11, 0, 4}, {0x12}}, {{0x10, 5, 2}, {0x11, 0, 3}, {0x12}});
    EXPECT_TRUE(take(0).taken);
    EXPECT_EQ(editor.steps().row(0).record.param(1), 5u);
    EXPECT_EQ(editor.steps().row(0).record.link(0), 3); // still step 11 here

    // Delete lowers the links from the deleted row on: the first step's link
    // now names 12, and the comparison says so.
    EXPECT_TRUE(take(1).taken);
    EXPECT_EQ(captions(), "10 11 12");
    EXPECT_EQ(links(), (std::vector<Links>{{3, 0, 0}, {3, 0, 0}, {0, 0, 0}}));
    EXPECT_TRUE(take(0, "GOTO_ON_SUCCES").taken);
    EXPECT_EQ(editor.steps().row(0).record.link(0), 2);
    EXPECT_TRUE(comparison.identical());

    // Nothing is left to take.
    const std::uint64_t revision = editor.steps().revision();
    EXPECT_FALSE(take(0).taken);
    EXPECT_EQ(editor.steps().revision(), revision);
}

TEST_F(TakeFromOther, TakesOneFieldAloneAndRefusesALinkToAStepTheEditedScriptLacks)
{
    // Lines: 1~1 P1 GOTO_ON_ERR (step 2 is 11 there, 12 here), 2-, 3=2, 4~3 TEST_ID.
    open({{0xD2, 6, 0, 2}, {0x12}, {0xD5, 9}}, {{0xD2, 5, 0, 2}, {0x11}, {0x12}, {0xD3, 9}});
    ASSERT_EQ(comparison.differencesOf(comparison.lines.at(0)).size(), 2u);

    EXPECT_TRUE(take(0, "P1").taken);
    EXPECT_EQ(editor.steps().row(0).record.param(1), 5u);
    EXPECT_EQ(editor.recordBuffer().bytes()[4], 5);
    EXPECT_EQ(editor.steps().row(0).record.link(1), 2); // the other field stays
    EXPECT_TRUE(take(3, "TEST_ID").taken);
    EXPECT_EQ(captions(), "D2 12 D3"); // the list shows the id taken

    const std::uint64_t revision = editor.steps().revision();
    const TakeOutcome out = take(0, "GOTO_ON_ERR");
    EXPECT_FALSE(out.taken);
    EXPECT_EQ(out.note, "GOTO_ON_ERR names a step the edited script does not have; nothing was taken");
    EXPECT_EQ(editor.steps().revision(), revision);

    // The whole step: its link to 11 becomes no next step, and says so.
    const TakeOutcome step = take(0);
    EXPECT_TRUE(step.taken);
    EXPECT_EQ(step.note, "Taken; 1 link set to no next step: the edited script lacks the step they name");
    EXPECT_EQ(editor.steps().row(0).record.link(1), kNoStep);
}
