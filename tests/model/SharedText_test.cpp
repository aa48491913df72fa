#include "model/SharedText.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>

using pst::SharedText;

TEST(SharedText, CopiesShareOneBufferAndANewTextReplacesOnlyItsOwnShare)
{
    SharedText a = std::string("Read verify scan");
    const SharedText b = a;
    EXPECT_EQ(a.str().data(), b.str().data());

    a = std::string("Write scan");
    EXPECT_EQ(a, "Write scan");
    EXPECT_EQ(b, "Read verify scan");
}

TEST(SharedText, ComparesWithEveryFormOfText)
{
    const SharedText text = std::string("Delay");
    const std::string same = "Delay";
    const std::string_view view = "Delay";
    EXPECT_TRUE(text == "Delay");
    EXPECT_TRUE(text == same);
    EXPECT_TRUE(text == view);
    EXPECT_TRUE(text == SharedText("Delay"));
    EXPECT_TRUE("Delay" == text);
    EXPECT_FALSE(text == "delay");
    EXPECT_FALSE(text == SharedText("Delay "));
    EXPECT_FALSE(text == SharedText());
}

TEST(SharedText, AnEmptyTextIsTheDefault)
{
    const struct {
        SharedText text;
        const char* why;
    } cases[] = {
        {SharedText(), "default"},
        {SharedText(std::string()), "empty string"},
        {SharedText(""), "empty literal"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(c.text.empty()) << c.why;
        EXPECT_EQ(c.text.size(), 0u) << c.why;
        EXPECT_EQ(c.text, "") << c.why;
        EXPECT_EQ(c.text, SharedText()) << c.why;
    }
}

TEST(SharedText, ReadsAsAPlainString)
{
    const SharedText text = std::string("Servo\0test", 10);
    const std::string& asString = text;
    const std::string_view asView = text;
    EXPECT_EQ(asString.size(), 10u);
    EXPECT_EQ(asView, std::string_view("Servo\0test", 10));
    std::string appended = "DC ";
    appended += text;
    EXPECT_EQ(appended.size(), 13u);
    std::ostringstream out;
    out << SharedText("Zone check");
    EXPECT_EQ(out.str(), "Zone check");
}
