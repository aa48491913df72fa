#pragma once
// The closing steps: three 0xDC steps at the end of a script, which the
// upgrade and the E6 generator put there. Their parameter words are the same
// but for P4, which counts 6, 4 and 2 from the first to the last.

#include "model/StepRecord.h"

#include <cstdint>

namespace pst {

inline constexpr std::uint16_t kClosingTestId = 0x00DC;
inline constexpr std::uint32_t kClosingP1 = 0x0F;
inline constexpr std::uint32_t kClosingP2 = 2;
inline constexpr std::uint32_t kClosingP3 = 0xCBFFFF;

// P1 to P3 of a closing step, and its P4.
inline void setClosingParams(StepRecord& record, std::uint32_t p4)
{
    record.setParam(1, kClosingP1);
    record.setParam(2, kClosingP2);
    record.setParam(3, kClosingP3);
    record.setParam(4, p4);
}

} // namespace pst
