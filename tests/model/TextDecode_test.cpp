#include "model/TextDecode.h"

#include <gtest/gtest.h>

using namespace pst;

TEST(TextDecode, KeepsValidUtf8AndReadsAnythingElseAsLatin1)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"Plain text", "Plain text"},
        {"Caf\xC3\xA9", "Caf\xC3\xA9"},                     // valid: unchanged
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},           // 4-byte sequence
        {"Caf\xE9", "Caf\xC3\xA9"},                          // Latin-1 e acute
        {"\xC0\x80", "\xC3\x80\xC2\x80"},                    // overlong NUL
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},        // surrogate
        {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80"}, // above U+10FFFF
        {"\xE2\x82", "\xC3\xA2\xC2\x82"},                    // cut short
        {"\xC3\xA9\xE9", "\xC3\x83\xC2\xA9\xC3\xA9"},        // one bad byte: the whole text is Latin-1
    };
    for (const auto& [bytes, shown] : cases) {
        EXPECT_EQ(displayText(bytes), shown) << testing::PrintToString(bytes);
        EXPECT_TRUE(isValidUtf8(displayText(bytes)));
    }
}
