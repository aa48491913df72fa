#pragma once
// The reasons that Windows gives for a failed call, as the file messages
// show them ("Cannot open file "NAME". REASON").

#include <string>

namespace pst {

// The system's text for an error code (GetLastError), in the user's
// language, without the closing full stop and line break, so that it reads
// like the reasons of the other platforms. "Error N" for a code the system
// has no text for.
std::string systemReason(unsigned long code);

} // namespace pst
