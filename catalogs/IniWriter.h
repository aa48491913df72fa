#pragma once
// Writing one key of an INI file by the catalogs' rules: the file is created
// when missing, a missing section is appended at the end of the file, an
// existing key's value is replaced where it stands (its line keeps its place),
// a new key is added at the end of its section. The file is written
// atomically.

#include <string>
#include <string_view>

namespace pst {

class FileSystem;

// Throws Error("Unable to write to <path>") when the file cannot be written;
// the earlier file is then untouched.
void WriteIniValue(FileSystem& fs, const std::string& path, std::string_view section, std::string_view key,
                   std::string_view value);

} // namespace pst
