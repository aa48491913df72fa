#pragma once
// The modules that the generators read beside the script module, one set
// that gives each generator a meaningful script:
// - module E6, a test list of eight tests for "Create Selfscan Script from E6";
// - module 1100, a PTM history of ten entries for "Create Script from DVT PTM
//   History";
// - for "Create ARCO Script": module 2403 (choosing it selects the fixed
//   series; its bytes are never read), module 47 with its word, module 21
//   with the drive type code, and five of the ARCO modules 2000..20C0.
// All are ROYL modules padded to whole sectors, with their module id and a
// valid checksum.

#include "model/Bytes.h"

#include <cstdint>
#include <vector>

namespace pst::examples {

Bytes sampleE6Module();
Bytes samplePtmHistoryModule();
Bytes sampleModule47();
Bytes sampleDriveTypeModule();
Bytes sampleSeriesAModule(); // module 2403

// The ARCO modules the samples hold, with the ARCO code of each block.
struct ArcoSample {
    std::uint16_t moduleId;
    std::uint8_t code;
    std::uint32_t zoneStart;
    std::uint32_t zoneEnd;
};
const std::vector<ArcoSample>& arcoSamples();
Bytes sampleArcoModule(const ArcoSample& sample);

// Module 21's drive type code: one whose ARCO blocks lie at offset 147.
inline constexpr std::uint16_t kSampleDriveType = 143;
inline constexpr std::size_t kSampleArcoBlockOffset = 147;
inline constexpr std::uint16_t kSampleModule47Word = 0x0312;

} // namespace pst::examples
