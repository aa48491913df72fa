#include "catalogs/IniWriter.h"

#include "model/Error.h"
#include "support/MemoryFileSystem.h"

#include <gtest/gtest.h>

using namespace pst;
using pst::test::MemoryFileSystem;

TEST(WriteIniValue, PlacesEntriesByTheRules)
{
    const struct {
        const char* name;
        const char* before; // nullptr: no file
        const char* section;
        const char* key;
        const char* after;
    } cases[] = {
        {"creates the file", nullptr, "Work", "Test A", "[Work]\r\nTest A=\r\n"},
        {"appends a missing section", "[A]\r\nx=1\r\n", "B", "y", "[A]\r\nx=1\r\n[B]\r\ny=\r\n"},
        {"adds a key at the end of its section", "[A]\r\nx=1\r\n\r\n[B]\r\nz=\r\n", "a", "y",
         "[A]\r\nx=1\r\ny=\r\n\r\n[B]\r\nz=\r\n"},
        {"replaces a value where it stands", "[A]\r\nx=1\r\nq=2\r\n", "A", "X", "[A]\r\nX=\r\nq=2\r\n"},
        {"keeps LF files LF", "[A]\nx=1\n", "A", "y", "[A]\nx=1\ny=\n"},
        {"finds the key the reader finds", "[A]\r\n x =1\r\n[B]\r\n[a]\r\ny=2\r\n", " a ", " Y ",
         "[A]\r\n x =1\r\n[B]\r\n[a]\r\nY=\r\n"},
        {"adds to the section's last part", "[A]\r\nx=1\r\n[B]\r\n[A]\r\nz=\r\n[C]\r\n", "A", "y",
         "[A]\r\nx=1\r\n[B]\r\n[A]\r\nz=\r\ny=\r\n[C]\r\n"},
    };
    for (const auto& c : cases) {
        MemoryFileSystem fs;
        if (c.before)
            fs.put("/c/SCRIPTS.INI", std::string_view(c.before));
        WriteIniValue(fs, "/c/SCRIPTS.INI", c.section, c.key, "");
        EXPECT_EQ(fs.text("/c/SCRIPTS.INI"), c.after) << c.name;
    }
}

TEST(WriteIniValue, WritingTwiceLeavesOneEntry)
{
    MemoryFileSystem fs;
    WriteIniValue(fs, "/S.INI", "Work", "T", "");
    WriteIniValue(fs, "/S.INI", "Work", "T", "");
    EXPECT_EQ(fs.text("/S.INI"), "[Work]\r\nT=\r\n");
}

TEST(WriteIniValue, AFailedWriteReportsThePathAndKeepsTheFile)
{
    MemoryFileSystem fs;
    fs.put("/ro/S.INI", std::string_view("[A]\r\n"));
    fs.failWrites("/ro/S.INI");
    try {
        WriteIniValue(fs, "/ro/S.INI", "A", "k", "");
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Unable to write to /ro/S.INI");
    }
    EXPECT_EQ(fs.text("/ro/S.INI"), "[A]\r\n");
}
