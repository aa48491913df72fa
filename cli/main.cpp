// pstool: the editor's commands from the command line.

#include "cli/ExecutableFolder.h"
#include "cli/Pstool.h"
#include "model/FileSystem.h"

#include <iostream>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return pst::cli::pstoolMain(args, std::cout, std::cerr, pst::realFileSystem(), pst::cli::executableFolder());
}
