#include "cli/ProgramArguments.h"

namespace pst::cli {

std::vector<std::string> programArguments(int argc, char** argv)
{
    return std::vector<std::string>(argv + 1, argv + argc);
}

} // namespace pst::cli
