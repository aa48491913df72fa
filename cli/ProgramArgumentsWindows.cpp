#include "cli/ProgramArguments.h"

#include "model/WideStringWindows.h"

#include <windows.h>
#include <shellapi.h>

namespace pst::cli {

std::vector<std::string> programArguments(int argc, char** argv)
{
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!wide) // no wide command line to be had: the code page's one
        return std::vector<std::string>(argv + 1, argv + argc);
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i)
        args.push_back(toUtf8(wide[i]));
    ::LocalFree(wide);
    return args;
}

} // namespace pst::cli
