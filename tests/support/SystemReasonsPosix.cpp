#include "support/SystemReasons.h"

namespace pst::test {

std::string noSuchFileReason() { return "No such file or directory"; }
std::string noSuchFolderReason() { return "No such file or directory"; }
std::string accessDeniedReason() { return "Permission denied"; }
std::string controlCharacterNameReason() { return noSuchFileReason(); }

} // namespace pst::test
