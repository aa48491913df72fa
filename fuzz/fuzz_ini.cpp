// Any bytes as an INI file: lookups never fail, a key written by the
// catalogs' rules reads back, and a key already there is not added again.

#include "FuzzSupport.h"

#include "catalogs/IniFile.h"
#include "catalogs/IniWriter.h"
#include "model/Error.h"

using namespace pst;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const IniFile ini = IniFile::parse(ByteView(data, size));
    for (const std::string& section : ini.sections()) {
        for (const std::string& key : ini.keys(section)) {
            const auto v = ini.value(section, key);
            fuzz::check(v.has_value() && v->size() <= IniFile::kMaxValue, "listed key has a value");
        }
    }

    test::MemoryFileSystem fs;
    fs.put("/S.INI", Bytes(data, data + size));
    WriteIniValue(fs, "/S.INI", "Fuzz Family", "Fuzz Test", "");
    const IniFile after = IniFile::parse(ByteView(fs.bytes("/S.INI")));
    fuzz::check(after.value("fuzz family", "FUZZ TEST").has_value(), "written key reads back");

    // A key the reader lists, written again with blanks around the names,
    // stays one entry: the reader and the writer find the same lines.
    const std::vector<std::string> sections = ini.sections();
    if (!sections.empty() && !ini.keys(sections.front()).empty()) {
        const std::string& section = sections.front();
        fs.put("/T.INI", Bytes(data, data + size));
        WriteIniValue(fs, "/T.INI", " " + section + " ", " " + ini.keys(section).front() + " ", "");
        const IniFile rewritten = IniFile::parse(ByteView(fs.bytes("/T.INI")));
        fuzz::check(rewritten.keyCount(section) == ini.keyCount(section), "a listed key is not added again");
    }
    return 0;
}
