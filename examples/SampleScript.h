#pragma once
// The sample self scan script: a run that stopped part way. The first eleven
// steps passed, the twelfth failed and the script went on at its error link,
// the error report near the end, which passed; the steps in between never
// ran. Its test ids give the step list a row of each colour: host sequences,
// ARCO steps of both colours, a delay step (DC) and the closing steps that
// link nowhere.

#include "model/Bytes.h"
#include "model/ModuleLayout.h"

#include <array>
#include <cstdint>
#include <vector>

namespace pst::examples {

inline constexpr std::uint16_t kScriptModuleId = 0x28;
// Records the module has room for.
inline constexpr std::size_t kScriptCapacity = 64;
// Where the run stopped: the error report (1-based).
inline constexpr std::uint16_t kScriptCurrentStep = 21;

// One parameter word: Pk with k = 1..16; k = 0 marks an unused slot.
struct Param {
    int k = 0;
    std::uint32_t value = 0;
};

inline constexpr std::uint16_t kPassed = 0;
inline constexpr std::uint16_t kNotRun = 0xFFFF;

struct SampleStep {
    std::uint16_t testId = 0;
    std::uint16_t testArg = 0;
    std::array<Param, 5> params{};
    std::uint32_t postAction = 0;
    std::uint16_t result = kNotRun; // ERROR_CODE: kPassed, kNotRun or an error code
    std::uint32_t seconds = 0;      // running time the drive logged for a step that ran
};

const std::vector<SampleStep>& sampleScriptSteps();

// The script module in a layout, with its default record size, room for
// kScriptCapacity records, module id 28 and a valid checksum.
Bytes sampleScriptModule(ModuleLayout layout);

} // namespace pst::examples
