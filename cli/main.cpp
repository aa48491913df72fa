// pstool: the editor's commands from the command line.

#include "catalogs/CatalogFolder.h"
#include "cli/ExecutableFolder.h"
#include "cli/Pstool.h"
#include "cli/StandardOutput.h"
#include "model/FileSystem.h"

#include <iostream>

int main(int argc, char** argv)
{
    pst::cli::treatClosedOutputAsError();
    const std::vector<std::string> args(argv + 1, argv + argc);
    pst::FileSystem& fs = pst::realFileSystem();
    return pst::cli::pstoolMain(args, std::cout, std::cerr, fs, pst::CatalogFolderFor(fs, pst::cli::executableFolder()));
}
