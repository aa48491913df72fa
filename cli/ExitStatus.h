#pragma once
// pstool's exit statuses.

namespace pst::cli {

enum class ExitStatus : int {
    Ok = 0,       // no error and no message
    Error = 1,    // a command failed with an error
    Usage = 2,    // the command line is wrong; nothing ran
    Messages = 3, // messages (or --check findings), but no error
};

inline int toInt(ExitStatus status) { return static_cast<int>(status); }

} // namespace pst::cli
