#include "catalogs/IniFile.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace pst;

TEST(IniFile, NamesCompareWithoutCaseAndBlanksAreIgnored)
{
    const IniFile ini = IniFile::parse(std::string_view(
        "; sample\r\n[Desc]\r\n  dc =  Delay step  \r\nDC=second is ignored\r\n[errors]\n0x001a=Bad\n"));
    EXPECT_EQ(ini.value("DESC", "DC", "-"), "Delay step");
    EXPECT_EQ(ini.value("desc", "dC", "-"), "Delay step");
    EXPECT_EQ(ini.value("ERRORS", "0x001A", "-"), "Bad");
    EXPECT_EQ(ini.value("ERRORS", "0x001B", "dflt"), "dflt");
    EXPECT_EQ(ini.value("Nope", "DC", "dflt"), "dflt");
    EXPECT_FALSE(ini.value("Desc", "EE").has_value());
}

TEST(IniFile, ListsSectionsAndKeysInFileOrder)
{
    const IniFile ini = IniFile::parse(std::string_view("x=ignored before any section\n[B]\nz=1\na=2\n[A]\n[C]\nk=\n"));
    EXPECT_EQ(ini.sections(), (std::vector<std::string>{"B", "A", "C"}));
    EXPECT_EQ(ini.keys("b"), (std::vector<std::string>{"z", "a"}));
    EXPECT_TRUE(ini.keys("A").empty());
    EXPECT_EQ(ini.keys("C"), (std::vector<std::string>{"k"}));
    EXPECT_TRUE(ini.keys("missing").empty());
}

TEST(IniFile, ValuesAreCutTo2047Characters)
{
    const std::string longValue(100000, 'v');
    const IniFile ini = IniFile::parse(std::string_view("[S]\nk=" + longValue + "\n"));
    EXPECT_EQ(ini.value("S", "k", "").size(), 2047u);
}

TEST(IniFile, NameListsStopAtTheBlockLimit)
{
    // 100 keys of 199 characters take 200 bytes each: 81 fit in 16384 bytes.
    std::string text = "[S]\n";
    for (int i = 0; i < 100; ++i) {
        std::string key = std::to_string(1000 + i);
        key.resize(199, 'k');
        text += key + "=1\n";
    }
    const IniFile ini = IniFile::parse(std::string_view(text));
    EXPECT_EQ(ini.keys("S").size(), 81u);
    EXPECT_TRUE(ini.value("S", ini.keys("S").back()).has_value());

    // 128 names of 127 characters fill the block exactly; one byte more and
    // the last one is left out.
    for (const std::size_t lastLength : {127u, 128u}) {
        std::string sections;
        for (int i = 0; i < 128; ++i) {
            std::string name = std::to_string(1000 + i);
            name.resize(i == 127 ? lastLength : 127, 's');
            sections += "[" + name + "]\n";
        }
        EXPECT_EQ(IniFile::parse(std::string_view(sections)).sections().size(), lastLength == 127 ? 128u : 127u);
    }
}

TEST(IniFile, ToleratesAnyBytes)
{
    const std::string text("[S]\n\0k=\xff\xfe\n=novalue\nnoequals\n[unclosed\nq=1\n", 41);
    const IniFile ini = IniFile::parse(std::string_view(text));
    EXPECT_EQ(ini.value("unclosed", "q", ""), "1");
    EXPECT_TRUE(ini.keys("S").size() <= 1);
}

// Damaged catalogs and exchange files: lines of 100,000 characters, NUL bytes
// and invalid UTF-8 read by the same rules as any other line, byte for byte.
TEST(IniFile, LongLinesNulBytesAndInvalidUtf8)
{
    using namespace std::string_literals;
    const std::string huge(100000, 'x');
    struct Case {
        std::string text;
        std::string section;
        std::string key;
        std::optional<std::string> value;
        std::size_t listedKeys; // keys() of the section, within the name block
    };
    const Case cases[] = {
        {"[S]\n" + huge + "=v\nk=w\n", "S", huge, "v", 0}, // read, but the name block ends before it
        {"[" + huge + "]\nk=v\n", huge, "k", "v", 1},
        {"[S]\n" + huge + "\nk=v\n", "S", "k", "v", 1},     // no "=": not an entry
        {"[S]\n[" + huge + "\nk=v\n", huge, "k", "v", 1},    // an unclosed bracket still opens a section
        {"[S]\nk=" + huge + "\n", "S", "k", std::string(2047, 'x'), 1},
        {"[S\0T]\nk\0=v\0w\0\n"s, "S\0T"s, "k", "v\0w"s, 1}, // NUL inside names and values is kept, around them a blank
        {"[S]\nk=\xC3\x28\xFF\xFE\n", "s", "K", "\xC3\x28\xFF\xFE", 1},
        {"[\xFF]\n\xC3=\x80\n", "\xFF", "\xC3", "\x80", 1},
        {"\r\r\r\n\n", "S", "k", std::nullopt, 0},
        {"[S]", "S", "k", std::nullopt, 0},
        {"\0[S]\nk=v"s, "S", "k", "v", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text.substr(0, 40)));
        const IniFile ini = IniFile::parse(std::string_view(c.text));
        EXPECT_EQ(ini.value(c.section, c.key), c.value);
        EXPECT_EQ(ini.keys(c.section).size(), c.listedKeys);
    }
    // A section name past the name block is read but not listed.
    EXPECT_TRUE(IniFile::parse(std::string_view("[" + huge + "]\nk=v\n")).sections().empty());
}
