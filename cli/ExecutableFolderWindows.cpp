#include "cli/ExecutableFolder.h"

#include "model/WideStringWindows.h"

#include <windows.h>

namespace pst::cli {

std::string executableFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return ".";
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2); // cut: try a larger buffer
    }
    const auto slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos)
        return ".";
    // A program in a drive's root keeps the root's separator: "C:\".
    const bool root = slash == 2 && path[1] == L':';
    return toUtf8(path.substr(0, root ? slash + 1 : slash));
}

} // namespace pst::cli
