#pragma once
// The command line's arguments as the core takes them: UTF-8 texts.

#include <string>
#include <vector>

namespace pst::cli {

// The arguments after the program's name. On Windows they are read from the
// wide command line (GetCommandLineW), so that a file name outside the
// system's code page arrives whole; elsewhere they are argv as given.
std::vector<std::string> programArguments(int argc, char** argv);

} // namespace pst::cli
