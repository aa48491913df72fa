#pragma once
// The three layouts a module image can have, recognised from the image itself,
// and where each keeps its fixed fields.

#include "model/Bytes.h"

#include <cstdint>
#include <string_view>

namespace pst {

class ModuleImage;

enum class ModuleLayout { Royl, Legacy32, Legacy28 };

inline constexpr std::uint32_t kRoylMagic = 0x4C594F52; // the bytes "ROYL"
inline constexpr std::uint16_t kLegacy32Marker = 0x3033; // the text "30" at offset 6

struct LayoutInfo {
    std::size_t checksumOffset;
    std::size_t moduleIdOffset;
    std::size_t headerOffset;
    std::size_t firstRecordOffset;
    std::uint16_t defaultRecordSize;
    std::size_t errorCodeOffset; // inside a step record
};

const LayoutInfo& layoutInfo(ModuleLayout layout);

// "royl", "legacy32" or "legacy28".
std::string_view layoutName(ModuleLayout layout);

inline bool isLegacy(ModuleLayout layout) { return layout != ModuleLayout::Royl; }

// The magic decides; among legacy images the marker at offset 6 does.
// Throws "Stream read error" when the image is too short for the field it
// needs (4 bytes for the magic, 8 for the marker). Leaves the position alone.
ModuleLayout RecogniseLayout(const ModuleImage& image);

// True when the image starts with "ROYL". Throws "Stream read error" for
// images of fewer than 4 bytes.
bool HasRoylMagic(const ModuleImage& image);

} // namespace pst
