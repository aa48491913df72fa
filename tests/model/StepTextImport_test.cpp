#include "model/StepTextImport.h"

#include "support/EditorFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace pst;
using namespace std::string_literals;

namespace {

std::vector<std::string> lines(std::string_view text)
{
    std::vector<std::string> out;
    for (std::string_view l : splitTextLines(text))
        out.emplace_back(l);
    return out;
}

} // namespace

TEST(StepTextImport, SplitsLinesAtCrLfAndCrLfAndEndsAtNul)
{
    struct Case {
        std::string text;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\nc", {"a", "b", "c"}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}}, // LF CR is two line ends
        {"\r\n", {""}},
        {"a\0b\nc"s, {"a"}},
        {"a\nb\0\nc"s, {"a", "b"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lines(c.text), c.expected) << testing::PrintToString(c.text);
}

TEST(StepTextImport, SkipsBlankLinesAndLinesWithAnAsterisk)
{
    const std::pair<std::string, bool> cases[] = {
        {"", true},          {" \t ", true},     {"\x01\x1F", true},  {"*", true},
        {"DC,1 * x", true},  {"DC,1,F", false},  {"  DC", false},     {"\x7F", false},
    };
    for (const auto& [line, skipped] : cases)
        EXPECT_EQ(isSkippedStepLine(line), skipped) << testing::PrintToString(line);
}

TEST(StepTextImport, SplitsFieldsAtCommasOrBlanks)
{
    struct Case {
        std::string line;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {"DC,1,F", {"DC", "1", "F"}},
        {"DC 1 F", {"DC", "1", "F"}},
        {"DC\t1", {"DC", "1"}},
        {"  DC   1  ", {"DC", "1"}},
        {"DC , 1 ,F", {"DC", "1", "F"}},
        {"DC,,F", {"DC", "", "F"}},
        {"DC,", {"DC", ""}},
        {"DC, ", {"DC"}}, // the comma is not the line's last character
        {"a,,", {"a", "", ""}},
        {",1", {"", "1"}},
        {"\"a b\",1", {"a b", "1"}},
        {"\"say \"\"hi\"\"\" 2", {"say \"hi\"", "2"}},
        {"\"\",1", {"", "1"}},
        {"\"open 1", {"open 1"}},
        {"ab\"c\"", {"ab\"c\""}}, // a quote inside a plain field is a plain character
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitStepFields(c.line), c.fields) << c.line;
}

TEST(StepTextImport, ReadsFieldsAsHexWithZeroForAnythingElse)
{
    const std::pair<std::string, std::uint32_t> cases[] = {
        {"1A", 0x1A},  {"1a", 0x1A},      {" F ", 0xF}, {"FFFFFFFF", 0xFFFFFFFF}, {"", 0},
        {"0x1A", 0},   {"100000000", 0},  {"-1", 0},    {"G", 0},                 {"1 2", 0},
    };
    for (const auto& [field, value] : cases)
        EXPECT_EQ(parseStepField(field), value) << field;
}

TEST(StepTextImport, StoresFieldsAtTheirOffsetsAndDropsThoseBeyondTheRecord)
{
    constexpr std::size_t kSize = 136;
    Bytes record(kSize + 8, 0xAA); // 4 sentinel bytes on each side
    const MutableByteView inside(record.data() + 4, kSize);
    std::vector<std::string> fields = {"12345", "1", "F"};
    for (int k = 3; k < 40; ++k)
        fields.push_back("1000" + std::to_string(k % 10));

    storeStepFields(inside, fields);

    EXPECT_EQ(getU16(inside, 0x00), 0x2345); // 16 bits only
    EXPECT_EQ(getU16(inside, 0x02), 1);
    EXPECT_EQ(getU32(inside, 0x04), 0xFu);
    EXPECT_EQ(getU32(inside, 0x08), 0x10003u);   // field 3
    EXPECT_EQ(getU32(inside, 0x44), 0x10008u);   // field 18: POST_ACTION
    EXPECT_EQ(getU32(inside, 0x84), 0x10004u);   // field 34: the last that fits
    for (std::size_t i : {0u, 1u, 2u, 3u, 140u, 141u, 142u, 143u})
        EXPECT_EQ(record[i], 0xAA) << i;
}

TEST(StepTextImport, KeepsBytesThatNoFieldCovers)
{
    Bytes record(136, 0x55);
    storeStepFields(record, {"DC", "", "F"});
    EXPECT_EQ(getU16(record, 0), 0xDC);
    EXPECT_EQ(getU16(record, 2), 0);
    EXPECT_EQ(getU32(record, 4), 0xFu);
    EXPECT_EQ(record[8], 0x55);
}

// Damaged step texts: one step per step line whatever the line holds; fields
// that are no number read 0 and nothing is stored outside a record.
class StepTextImportEditor : public pst::test::EditorFixture {};

TEST_F(StepTextImportEditor, DamagedTextsGiveOneStepPerStepLine)
{
    std::string allOnes;
    for (int i = 0; i < 50000; ++i)
        allOnes += "1 ";
    // Long texts are built by appending: GCC 12 warns falsely about operator+
    // on a long temporary.
    std::string longField(100000, '1');
    longField.append("\nDC");
    std::string commas = "DC";
    commas.append(100000, ',');
    const std::string withNul = "DC\0"s + "11\n12";
    const std::string lineEnds(100000, '\n');
    struct Case {
        const char* name;
        std::string_view text;
        std::vector<std::uint16_t> ids;
        std::uint32_t lastWord; // the record's last 32-bit word of the last step
    };
    const Case cases[] = {
        {"a field of 100,000 digits", longField, {0, 0xDC}, 0},
        {"100,000 commas", commas, {0xDC}, 0},
        {"50,000 fields", allOnes, {1}, 1},
        {"NUL ends the text", withNul, {0xDC}, 0},
        {"invalid UTF-8", "\xC3\x28,\xFF\n\x80 DC", {0, 0}, 0},
        {"an unmatched quote", "\"DC,1", {0}, 0},
        {"100,000 line ends", lineEnds, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        load(pst::test::ModuleBuilder().step(0x10).build());
        ASSERT_TRUE(run(&Editor::miClearAllClick));
        int imported = -1;
        ASSERT_TRUE(editor.run([&] { imported = ImportStepText(editor, c.text); }));
        EXPECT_EQ(imported, static_cast<int>(c.ids.size()));
        std::vector<std::uint16_t> ids;
        for (const pst::StepRow& row : editor.steps().rows()) {
            ids.push_back(row.record.testId());
            EXPECT_EQ(row.record.size(), 136u);
        }
        EXPECT_EQ(ids, c.ids);
        if (!c.ids.empty()) {
            EXPECT_EQ(editor.steps().rows().back().record.u32(132), c.lastWord);
        }
    }
}
