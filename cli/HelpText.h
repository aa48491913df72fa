#pragma once
// pstool --help and --version, the help written from the command table.

#include <string>

namespace pst::cli {

std::string helpText();
std::string versionText();

} // namespace pst::cli
