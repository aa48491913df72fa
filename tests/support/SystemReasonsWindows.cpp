#include "support/SystemReasons.h"

#include "model/SystemErrorWindows.h"

#include <windows.h>

namespace pst::test {

std::string noSuchFileReason() { return systemReason(ERROR_FILE_NOT_FOUND); }
std::string noSuchFolderReason() { return systemReason(ERROR_PATH_NOT_FOUND); }
std::string accessDeniedReason() { return systemReason(ERROR_ACCESS_DENIED); }
std::string controlCharacterNameReason() { return systemReason(ERROR_INVALID_NAME); }

} // namespace pst::test
