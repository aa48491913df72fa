#pragma once
// The 8-byte script header at the layout's header offset.

#include <cstdint>

namespace pst {

struct ScriptHeader {
    std::uint16_t currentStep = 0; // 1-based; 0 counts as 1 when loading
    std::uint16_t recordSize = 0;  // 0: the layout's default
    std::uint32_t ptmStartTime = 0; // seconds
};

inline constexpr std::size_t kScriptHeaderSize = 8;

} // namespace pst
