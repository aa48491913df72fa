#include "support/ProgramRun.h"

#include "model/WideStringWindows.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <windows.h>

namespace pst::test {

namespace {

std::wstring wide(const std::string& text)
{
    auto w = toWide(text);
    if (!w)
        throw std::runtime_error("not UTF-8: " + text);
    return *w;
}

// One argument as the C runtime's parser and CommandLineToArgvW read it
// back: quoted, with the backslashes before a quote doubled.
std::wstring quoted(const std::wstring& arg)
{
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}

// The environment of this process with `assignments` added (a NAME given
// again replaces the earlier value: the child reads the first one).
std::wstring environmentWith(const std::vector<std::string>& assignments)
{
    std::wstring block;
    for (const std::string& a : assignments)
        block += wide(a) + L'\0';
    wchar_t* own = ::GetEnvironmentStringsW();
    for (const wchar_t* entry = own; *entry; entry += std::wcslen(entry) + 1)
        block += std::wstring(entry) + L'\0';
    ::FreeEnvironmentStringsW(own);
    return block + L'\0';
}

class Handle {
public:
    explicit Handle(HANDLE h = INVALID_HANDLE_VALUE) : m_h(h) {}
    ~Handle() { reset(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return m_h; }
    void reset(HANDLE h = INVALID_HANDLE_VALUE)
    {
        if (m_h != INVALID_HANDLE_VALUE && m_h != nullptr)
            ::CloseHandle(m_h);
        m_h = h;
    }

private:
    HANDLE m_h;
};

HANDLE inheritableFile(const std::wstring& path, DWORD access, DWORD disposition)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE h = ::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit,
                             disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot open a standard stream of the program");
    return h;
}

std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args, const std::string& folder,
                         const RunOptions& options)
{
    if (options.fileSizeLimit)
        throw std::logic_error("Windows has no file size limit of a process");
    const std::string outPath = folder + "/.stdout", errPath = folder + "/.stderr";
    Handle in(inheritableFile(L"NUL", GENERIC_READ, OPEN_EXISTING));
    Handle out(inheritableFile(wide(outPath), GENERIC_WRITE, CREATE_ALWAYS));
    Handle err(inheritableFile(wide(errPath), GENERIC_WRITE, CREATE_ALWAYS));
    if (options.closedOutput) {
        // A pipe whose reading end is closed before the program starts.
        HANDLE reader = nullptr, writer = nullptr;
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        if (!::CreatePipe(&reader, &writer, &inherit, 0))
            throw std::runtime_error("CreatePipe failed");
        ::CloseHandle(reader);
        out.reset(writer);
    }

    std::wstring commandLine = quoted(wide(program));
    for (const std::string& a : args)
        commandLine += L" " + quoted(wide(a));
    std::wstring environment;
    if (!options.environment.empty())
        environment = environmentWith(options.environment);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in.get();
    startup.hStdOutput = out.get();
    startup.hStdError = err.get();
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT,
                          environment.empty() ? nullptr : environment.data(), wide(folder).c_str(), &startup,
                          &process))
        throw std::runtime_error("cannot start " + program);
    Handle processHandle(process.hProcess);
    ::CloseHandle(process.hThread);
    in.reset();
    out.reset();
    err.reset();

    if (options.whileRunning)
        options.whileRunning(static_cast<int>(process.dwProcessId));
    ::WaitForSingleObject(processHandle.get(), INFINITE);
    DWORD code = 0;
    ::GetExitCodeProcess(processHandle.get(), &code);
    ProgramResult r;
    r.status = static_cast<int>(code);
    r.out = slurp(outPath);
    r.err = slurp(errPath);
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return r;
}

} // namespace pst::test
