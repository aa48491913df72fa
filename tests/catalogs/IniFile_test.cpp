#include "catalogs/IniFile.h"

#include <gtest/gtest.h>

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
    // 100 keys of 199 characters take 200 bytes each: 81 fit in 16384 bytes
    // with the list's own terminator.
    std::string text = "[S]\n";
    for (int i = 0; i < 100; ++i) {
        std::string key = std::to_string(1000 + i);
        key.resize(199, 'k');
        text += key + "=1\n";
    }
    const IniFile ini = IniFile::parse(std::string_view(text));
    EXPECT_EQ(ini.keys("S").size(), 81u);
    EXPECT_TRUE(ini.value("S", ini.keys("S").back()).has_value());
}

TEST(IniFile, ToleratesAnyBytes)
{
    const std::string text("[S]\n\0k=\xff\xfe\n=novalue\nnoequals\n[unclosed\nq=1\n", 41);
    const IniFile ini = IniFile::parse(std::string_view(text));
    EXPECT_EQ(ini.value("unclosed", "q", ""), "1");
    EXPECT_TRUE(ini.keys("S").size() <= 1);
}
