#pragma once
// The folder of the running program file, where the catalogs lie by default.

#include <string>

namespace pst::cli {

// The folder of /proc/self/exe on Linux, of the module file
// (GetModuleFileNameW) on Windows, in UTF-8; "." when it cannot be read.
std::string executableFolder();

} // namespace pst::cli
