#include "model/SystemErrorWindows.h"

#include "model/WideStringWindows.h"

#include <windows.h>

namespace pst {

std::string systemReason(unsigned long code)
{
    wchar_t* text = nullptr;
    const DWORD n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                         | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK,
                                     nullptr, code, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    std::wstring reason = n > 0 && text ? std::wstring(text, n) : std::wstring();
    if (text)
        ::LocalFree(text);
    while (!reason.empty() && (reason.back() == L' ' || reason.back() == L'\r' || reason.back() == L'\n'))
        reason.pop_back();
    if (!reason.empty() && reason.back() == L'.')
        reason.pop_back();
    return reason.empty() ? "Error " + std::to_string(code) : toUtf8(reason);
}

} // namespace pst
