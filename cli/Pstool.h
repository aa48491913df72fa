#pragma once
// pstool as a function: parse the command line, then run it.

#include <ostream>
#include <string>
#include <vector>

namespace pst {
class FileSystem;
}

namespace pst::cli {

// `args` without the program name. Returns the exit status. The catalogs
// default to `defaultCatalogs` when --catalogs is not given.
int pstoolMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, FileSystem& fs,
               const std::string& defaultCatalogs);

} // namespace pst::cli
