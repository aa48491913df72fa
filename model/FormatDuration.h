#pragma once

#include <cstdint>
#include <string>

namespace pst {

// Seconds as [d:]hh:mm:ss; the day count appears only above 24 hours
// (86400 gives 24:00:00, 90000 gives 1:01:00:00).
std::string FormatDuration(std::uint32_t seconds);

} // namespace pst
