#include "model/Hex.h"

#include <gtest/gtest.h>

using namespace pst;

TEST(Hex, ModuleIdFromTheBoxText)
{
    const struct {
        const char* text;
        std::uint16_t id;
    } cases[] = {
        {"28", 0x28}, {"3b", 0x3B}, {"3F", 0x3F}, {"13B", 0x13B}, {"12345", 0x2345},
        {"ZZ", 0x28}, {"", 0x28},   {"0x3B", 0x28}, {" 3B", 0x28}, {"-1", 0x28},
        {"FFFFFFFF", 0xFFFF}, {"100000000", 0x28},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ModuleIdFromText(c.text), c.id) << c.text;
}

TEST(Hex, FiltersAndNamesUseAtLeastTwoDigits)
{
    EXPECT_EQ(moduleFilter(0x28), "Module 28|*28*.rpm|All|*.*");
    EXPECT_EQ(moduleFilter(0x1100), "Module 1100|*1100*.rpm|All|*.*");
    EXPECT_EQ(moduleFilter(0x7), "Module 07|*07*.rpm|All|*.*");
    EXPECT_EQ(moduleSaveName(0x28), "~id28.rpm");
    EXPECT_EQ(hex2(0xDC), "DC");
    EXPECT_EQ(hex2(0x5), "05");
    EXPECT_EQ(hex2(0x8001), "8001");
}

TEST(Hex, UpperCaseDigitsPaddedToTheMinimum)
{
    const struct {
        std::uint64_t value;
        int minDigits;
        const char* text;
    } cases[] = {
        {0, 1, "0"},     {0, 2, "00"},       {0xDC, 1, "DC"},   {0xDC, 4, "00DC"}, {0x3421, 2, "3421"},
        {0xA, 0, "A"},   {0xFFFFFFFF, 1, "FFFFFFFF"},           {0xFFFFFFFFFFFFFFFFull, 1, "FFFFFFFFFFFFFFFF"},
        {0x1, 20, "00000000000000000001"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(hexUpper(c.value, c.minDigits), c.text) << c.text;
        std::string out = "x,";
        appendHexUpper(out, c.value, c.minDigits);
        EXPECT_EQ(out, std::string("x,") + c.text);
    }
}
