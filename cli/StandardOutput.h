#pragma once
// pstool's standard output read by another program: when that reader goes
// away (`pstool --print | head -1`), the write fails and the run reports
// "standard output closed" with status 1, instead of a signal ending pstool
// before the rest of its commands.

namespace pst::cli {

// Once, at start: a closed reader makes writes fail instead of ending the
// process, and the bytes written are the bytes meant (no "\r\n" for "\n").
void treatClosedOutputAsError();

// After a write to standard output failed: whether it failed because the
// reader has gone.
bool standardOutputClosed();

} // namespace pst::cli
