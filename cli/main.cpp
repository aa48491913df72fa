// pstool: the editor's commands from the command line.

#include "catalogs/CatalogFolder.h"
#include "cli/ExecutableFolder.h"
#include "cli/ProgramArguments.h"
#include "cli/Pstool.h"
#include "cli/StandardOutput.h"
#include "model/FileSystem.h"

#include <iostream>

int main(int argc, char** argv)
{
    pst::cli::treatClosedOutputAsError();
    const std::vector<std::string> args = pst::cli::programArguments(argc, argv);
    pst::FileSystem& fs = pst::realFileSystem();
    return pst::cli::pstoolMain(args, std::cout, std::cerr, fs, pst::CatalogFolderFor(fs, pst::cli::executableFolder()));
}
