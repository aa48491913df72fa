#pragma once
// The built-in template module "ID0028": the module a dropped step text file
// is imported into. A ROYL image of module 28 with an empty step table and
// room for 256 records of 136 bytes; the header names step 1 as the current
// step and 136 as the record size; the checksum is valid.

#include "model/Bytes.h"

#include <cstdint>
#include <string_view>

namespace pst {

inline constexpr std::string_view kTemplateModuleName = "ID0028";
inline constexpr std::uint16_t kTemplateModuleId = 0x0028;
inline constexpr std::uint16_t kTemplateRecordSize = 136;
inline constexpr std::size_t kTemplateStepCapacity = 256;

// 56 + 256 * 136 = 34,872 bytes.
Bytes BuildTemplateModule();

} // namespace pst
