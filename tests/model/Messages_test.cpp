#include "model/Messages.h"

#include <gtest/gtest.h>

using namespace pst;

TEST(Messages, FileNamesShowTheirControlCharactersEscaped)
{
    struct Case {
        std::string path;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {"/in/a b\\c.rpm", "/in/a b\\c.rpm"},
        {"a\nb.rpm", "a\\nb.rpm"},
        {"\x1b[2J\r\t\x7f", "\\x1b[2J\\r\\t\\x7f"},
        {std::string("nul\0.rpm", 8), "nul\\x00.rpm"},
        {"\xC3\xA4.rpm", "\xC3\xA4.rpm"},        // ä stays
        {"\xC2\x9B" "31m", "\\xc2\\x9b31m"},     // U+009B, a terminal's CSI
        {"\xC2\xA0", "\xC2\xA0"},                // no-break space stays
    };
    for (const Case& c : cases) {
        EXPECT_EQ(msg::shownFileName(c.path), c.shown) << c.shown;
        EXPECT_EQ(msg::cannotOpenFile(c.path, "Why"), "Cannot open file \"" + c.shown + "\". Why");
        EXPECT_EQ(msg::cannotCreateFile(c.path, "Why"), "Cannot create file \"" + c.shown + "\". Why");
    }
}
