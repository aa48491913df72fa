#include "cli/StandardOutput.h"

#include <csignal>
#include <poll.h>
#include <unistd.h>

namespace pst::cli {

void treatClosedOutputAsError()
{
    std::signal(SIGPIPE, SIG_IGN);
}

bool standardOutputClosed()
{
    // A pipe or socket whose reader has gone reports an error or a hang-up.
    pollfd out{STDOUT_FILENO, POLLOUT, 0};
    return ::poll(&out, 1, 0) == 1 && (out.revents & (POLLERR | POLLHUP)) != 0;
}

} // namespace pst::cli
