#pragma once
// pstool --help, --version and its manual page, all written from one help
// document whose command list is the command table itself.

#include "cli/HelpDocument.h"

#include <string>

namespace pst::cli {

HelpDocument pstoolHelp();
std::string helpText();
std::string versionText();
std::string manPageText();

} // namespace pst::cli
