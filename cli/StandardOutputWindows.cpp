#include "cli/StandardOutput.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <winternl.h>

namespace pst::cli {

namespace {

// FILE_PIPE_LOCAL_INFORMATION of the driver kit: a pipe end's state.
struct PipeLocalInformation {
    ULONG type, configuration, maximumInstances, currentInstances, inboundQuota, readDataAvailable, outboundQuota,
        writeQuotaAvailable, state, end;
};
constexpr auto kFilePipeLocalInformation = static_cast<FILE_INFORMATION_CLASS>(24);
constexpr ULONG kPipeDisconnected = 1;
constexpr ULONG kPipeClosing = 4; // the other end has closed

} // namespace

void treatClosedOutputAsError()
{
    // Windows has no signal for a pipe whose reader has gone: the write
    // fails, as wanted. The streams are put in binary mode so that pstool
    // writes the bytes it means, "\n" and not "\r\n": its output is the
    // same as on Linux, for the scripts and comparisons that read it.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

bool standardOutputClosed()
{
    HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (::GetFileType(out) != FILE_TYPE_PIPE)
        return false;
    // The pipe's own state; where the system cannot tell it (Wine, for a
    // pipe of the host system), the failure counts as a plain one.
    IO_STATUS_BLOCK status{};
    PipeLocalInformation pipe{};
    if (::NtQueryInformationFile(out, &status, &pipe, sizeof pipe, kFilePipeLocalInformation) != 0)
        return false;
    return pipe.state == kPipeClosing || pipe.state == kPipeDisconnected;
}

} // namespace pst::cli
