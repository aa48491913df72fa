#include "convert/StepFieldInfo.h"

#include "catalogs/Catalogs.h"
#include "support/MemoryFileSystem.h"

#include <gtest/gtest.h>

using namespace pst;
using pst::test::MemoryFileSystem;

namespace {
struct Expected {
    const char* name;
    std::size_t offset;
    std::size_t width;
    std::optional<std::uint32_t> value;
    std::string meaning;
};

// Every field holds a value of its own, so that a field read at a wrong
// offset or width shows.
StepRecord distinctRecord(std::size_t size, ModuleLayout layout)
{
    StepRecord r(size);
    r.setTestId(0xDC);
    r.setTestArg(0x0102);
    for (int k = 1; k <= 16; ++k)
        r.setParam(k, 0x11000000u * static_cast<std::uint32_t>(k % 16) + static_cast<std::uint32_t>(k));
    r.setPostAction(0x00010002); // only the low 16 bits count: 2
    r.setLink(0, 2);
    r.setLink(1, 0xFFFF);
    r.setLink(2, 9);
    r.setErrorCode(layout, 0x001A);
    return r;
}

StepList twoSteps(std::size_t size)
{
    StepList list;
    list.reset({StepRow{StepRecord(size), "DC", "Dummy step", StepIcon::None},
                StepRow{StepRecord(size), "D2", "Verify drive parameters", StepIcon::None}});
    return list;
}

std::vector<Expected> expectedFields(std::size_t size, std::size_t errorOffset)
{
    std::vector<Expected> out = {{"TEST_ID", 0x00, 2, 0xDC, "Dummy step"}, {"TEST_ARG", 0x02, 2, 0x0102, ""}};
    for (int k = 1; k <= 16; ++k)
        out.push_back({nullptr, 0x04 + 4 * static_cast<std::size_t>(k - 1), 4,
                       0x11000000u * static_cast<std::uint32_t>(k % 16) + static_cast<std::uint32_t>(k), ""});
    out.push_back({"POST_ACTION", 0x44, 4, 0x00010002, "TREX line \"ireset;waitb;vscon\""});
    out.push_back({"GOTO_ON_SUCCES", 0x48, 2, 2, "step 2: D2 Verify drive parameters"});
    out.push_back({"GOTO_ON_ERR", 0x4A, 2, 0xFFFF, "no next step"});
    out.push_back({"GOTO_ON_ABRT", 0x4C, 2, 9, "step 9: outside the script (2 steps)"});
    out.push_back({"log area", 0x4E, size - 0x4E, std::nullopt,
                   std::to_string(size - 0x4E) + " bytes (0x4E to 0x" + (size == 136 ? "87" : "73")
                       + ")"});
    out.push_back({"ERROR_CODE", errorOffset, 2, 0x1A, "Head fault"});
    return out;
}
} // namespace

class StepFieldInfoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs.put("/cat/ModDescr.ini", std::string_view("[Desc]\nDC=Dummy step\n[HOST_SEQ]\n8001=Power cycle\n"));
        fs.put("/cat/Errors.ini", std::string_view("[ERRORS]\n0x001A=Head fault\n0x0000=No error\n"));
    }
    MemoryFileSystem fs;
    Catalogs catalogs{fs, "/cat"};
};

TEST_F(StepFieldInfoTest, EveryFieldOfEachLayout)
{
    const struct {
        ModuleLayout layout;
        std::size_t size;
        std::size_t errorOffset;
    } layouts[] = {{ModuleLayout::Royl, 136, 0x68}, {ModuleLayout::Legacy32, 116, 0x68},
                   {ModuleLayout::Legacy28, 116, 0x54}};
    for (const auto& l : layouts) {
        SCOPED_TRACE(std::string(layoutName(l.layout)));
        const std::vector<StepFieldInfo> fields =
            describeStepFields(distinctRecord(l.size, l.layout), l.layout, twoSteps(l.size), catalogs);
        const std::vector<Expected> expected = expectedFields(l.size, l.errorOffset);
        ASSERT_EQ(fields.size(), expected.size());
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const Expected& e = expected[i];
            const std::string name = e.name ? e.name : "P" + std::to_string(i - 1);
            SCOPED_TRACE(name);
            EXPECT_EQ(fields[i].name, name);
            EXPECT_EQ(fields[i].offset, e.offset);
            EXPECT_EQ(fields[i].width, e.width);
            EXPECT_EQ(fields[i].value, e.value);
            EXPECT_EQ(fields[i].meaning, e.meaning);
            EXPECT_EQ(fields[i].editable(), e.value.has_value());
            EXPECT_EQ(fields[i].warning, name == "GOTO_ON_ABRT"); // step 9 of 2
        }
    }
}

TEST_F(StepFieldInfoTest, TestIdAndPostActionMeanings)
{
    const StepList steps = twoSteps(136);
    const auto meaningOf = [&](std::size_t field, auto set) {
        StepRecord r(std::size_t{136});
        set(r);
        return describeStepFields(r, ModuleLayout::Royl, steps, catalogs)[field].meaning;
    };
    constexpr std::size_t kTestId = 0, kPostAction = 18;
    EXPECT_EQ(meaningOf(kTestId, [](StepRecord& r) { r.setTestId(0); }), "ends the script");
    EXPECT_EQ(meaningOf(kTestId, [](StepRecord& r) { r.setTestId(0x8001); }), "Power cycle");
    EXPECT_EQ(meaningOf(kTestId, [](StepRecord& r) { r.setTestId(0x77); }), "not in ModDescr.ini");
    const std::pair<std::uint32_t, const char*> posts[] = {
        {1, "TREX line \"warmb\""},         {4, "TREX line \"reset\""},
        {8, "TREX line \"// Repeat Test\""}, {0, "no TREX line"},
        {3, "no TREX line"},           {0x00080000, "no TREX line"},
    };
    for (const auto& [value, meaning] : posts)
        EXPECT_EQ(meaningOf(kPostAction, [v = value](StepRecord& r) { r.setPostAction(v); }), meaning) << value;
}

TEST_F(StepFieldInfoTest, ErrorTextsAsTheStatusLineShowsThem)
{
    const StepList steps = twoSteps(136);
    const std::pair<std::uint16_t, const char*> codes[] = {
        {0, "No error"}, {0xFFFF, "ERROR FFFF"}, {0x1234, "ERROR 1234"}, {0x1A, "Head fault"}};
    for (const auto& [code, text] : codes) {
        StepRecord r(std::size_t{136});
        r.setErrorCode(ModuleLayout::Royl, code);
        EXPECT_EQ(describeStepFields(r, ModuleLayout::Royl, steps, catalogs).back().meaning, text) << code;
    }
}

TEST_F(StepFieldInfoTest, ShortRecordsLeaveOutWhatDoesNotFit)
{
    const StepList steps = twoSteps(136);
    EXPECT_TRUE(describeStepFields(StepRecord(), ModuleLayout::Royl, steps, catalogs).empty());
    // Just the test fields and POST_ACTION: no links, no log area, no error code.
    const auto fields = describeStepFields(StepRecord(std::size_t{0x48}), ModuleLayout::Royl, steps, catalogs);
    ASSERT_EQ(fields.size(), 19u);
    EXPECT_EQ(fields.back().name, "POST_ACTION");
    // A log area that stops before the error code's offset.
    const auto legacy = describeStepFields(StepRecord(std::size_t{0x50}), ModuleLayout::Royl, steps, catalogs);
    EXPECT_EQ(legacy.back().name, "log area");
    EXPECT_EQ(legacy.back().width, 2u);
}

TEST_F(StepFieldInfoTest, TheNarrowestFieldHoldsAByte)
{
    const auto fields = describeStepFields(StepRecord(std::size_t{136}), ModuleLayout::Royl, twoSteps(136), catalogs);
    const auto nameAt = [&](std::size_t byte) {
        const auto i = fieldIndexAt(fields, byte);
        return i ? fields[*i].name : std::string("none");
    };
    EXPECT_EQ(nameAt(0x00), "TEST_ID");
    EXPECT_EQ(nameAt(0x01), "TEST_ID");
    EXPECT_EQ(nameAt(0x07), "P1");
    EXPECT_EQ(nameAt(0x43), "P16");
    EXPECT_EQ(nameAt(0x49), "GOTO_ON_SUCCES");
    EXPECT_EQ(nameAt(0x4E), "log area");
    EXPECT_EQ(nameAt(0x68), "ERROR_CODE");
    EXPECT_EQ(nameAt(0x69), "ERROR_CODE");
    EXPECT_EQ(nameAt(0x6A), "log area");
    EXPECT_EQ(nameAt(0x87), "log area");
    EXPECT_EQ(nameAt(0x88), "none");
}
