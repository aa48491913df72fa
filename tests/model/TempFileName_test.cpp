#include "model/TempFileName.h"

#include <gtest/gtest.h>

using namespace pst;

TEST(TempFileName, FitsTheNameLimitAndIsKnownAgain)
{
    struct Case {
        std::string name;
        std::size_t nameMax;
        std::string expected;
    };
    const std::string u = "\xC3\xA4"; // one character of two bytes
    const std::vector<Case> cases = {
        {"m.rpm", 255, ".m.rpm.pst-Ab12Cd"},
        {std::string(243, 'n'), 255, "." + std::string(243, 'n') + ".pst-Ab12Cd"},
        {std::string(250, 'n'), 255, "." + std::string(243, 'n') + ".pst-Ab12Cd"},
        // Cut before a character, never inside it.
        {"abc" + u + "d", 16, ".abc.pst-Ab12Cd"},
        {"ab" + u + "d", 16, ".ab" + u + ".pst-Ab12Cd"},
        {"m.rpm", 5, "..pst-Ab12Cd"},
    };
    for (const Case& c : cases) {
        const std::string name = tempFileName(c.name, "Ab12Cd", c.nameMax);
        EXPECT_EQ(name, c.expected) << c.name.size();
        EXPECT_LE(name.size(), std::max<std::size_t>(c.nameMax, 12));
        EXPECT_TRUE(isTempFileName(name, c.name, c.nameMax)) << name;
    }
    for (const char* other : {".m.rpm.pst-Ab12C", ".m.rpm.pst-Ab12Cde", ".m.rpm.pst-Ab1-Cd", ".n.rpm.pst-Ab12Cd",
                              "m.rpm.pst-Ab12Cd", ".m.rpm.Ab12Cd"})
        EXPECT_FALSE(isTempFileName(other, "m.rpm", 255)) << other;
    const std::string unique = tempUniquePart();
    EXPECT_TRUE(isTempFileName(tempFileName("m.rpm", unique, 255), "m.rpm", 255)) << unique;
}
