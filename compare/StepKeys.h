#pragma once
// What a step does, as one small number: steps with the same TEST_ID,
// TEST_ARG, P1 to P16 and POST_ACTION (the record's first 0x48 bytes) get the
// same key, all others different keys. Links and the log area do not count:
// they change when steps are inserted or run. The links are read in the same
// pass, while the record is at hand.

#include "model/StepList.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace pst {

inline constexpr std::size_t kStepKeyBytes = 0x48;

using StepLinkValues = std::array<std::uint16_t, 3>; // GOTO_ON_SUCCES, GOTO_ON_ERR, GOTO_ON_ABRT

struct StepKeys {
    std::vector<std::uint32_t> left;
    std::vector<std::uint32_t> right;
    std::uint32_t count = 0; // keys run from 0 to count - 1
    std::vector<StepLinkValues> leftLinks;
    std::vector<StepLinkValues> rightLinks;
};

// Keys of both scripts' steps, from one numbering. Bytes a short record lacks
// count as 0. Equal keys mean equal bytes: hashes only find candidates.
StepKeys stepKeys(std::span<const StepRow> left, std::span<const StepRow> right);

} // namespace pst
