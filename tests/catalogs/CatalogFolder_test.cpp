#include "catalogs/CatalogFolder.h"

#include "support/MemoryFileSystem.h"

#include <gtest/gtest.h>

using namespace pst;
using namespace pst::test;

TEST(CatalogFolder, TheProgramsFolderFirstThenTheInstalledOne)
{
    const std::string installed = "/usr/bin/../share/pstedit/catalogs";
    struct Case {
        const char* name;
        std::vector<std::string> files;
        bool installedFolder;
        std::string expected;
    };
    const Case cases[] = {
        {"nothing anywhere", {}, false, "/usr/bin"},
        {"only the installed folder", {}, true, installed},
        {"ModDescr.ini beside the program", {"/usr/bin/ModDescr.ini"}, true, "/usr/bin"},
        {"Errors.ini beside the program", {"/usr/bin/Errors.ini"}, true, "/usr/bin"},
        {"SCRIPTS.INI beside the program", {"/usr/bin/SCRIPTS.INI"}, true, "/usr/bin"},
        {"other files do not count", {"/usr/bin/pstool"}, true, installed},
    };
    for (const Case& c : cases) {
        MemoryFileSystem fs;
        for (const std::string& f : c.files)
            fs.put(f, "[x]\n");
        if (c.installedFolder)
            fs.addFolder(installed);
        EXPECT_EQ(CatalogFolderFor(fs, "/usr/bin"), c.expected) << c.name;
    }
}

TEST(CatalogFolder, AFolderNamedLikeACatalogDoesNotCount)
{
    MemoryFileSystem fs;
    fs.addFolder("/opt/pst/ModDescr.ini");
    fs.addFolder("/opt/pst/../share/pstedit/catalogs");
    EXPECT_EQ(CatalogFolderFor(fs, "/opt/pst"), "/opt/pst/../share/pstedit/catalogs");
}
