#pragma once
// The system's reasons for the failures that tests provoke on the real file
// system, as the file messages show them: POSIX's words on Linux, the texts
// Windows (or Wine) gives on Windows.

#include <string>

namespace pst::test {

std::string noSuchFileReason();   // a file that is not there
std::string noSuchFolderReason(); // a file in a folder that is not there
std::string accessDeniedReason(); // a file made read-only
// A name with control characters in it: no such file on POSIX, where any
// byte but / and NUL may be part of a name; an invalid name on Windows.
std::string controlCharacterNameReason();

} // namespace pst::test
