#pragma once
// Reads of the other modules that the generators open beside the script
// module (E6, 1100, 47, 21, 2000..20C0). Their offsets come from the files and
// are not trusted: a position is checked against the image before it is taken,
// and a read that does not fit fails with "Stream read error".

#include "model/ModuleImage.h"

#include <cstdint>

namespace pst {

// Where a module's data begins: the u16 at offset 6 in the ROYL layout, 24 in
// both legacy layouts. Throws "Stream read error" when the image is too short
// for the magic or the field.
std::size_t ModuleDataOffset(const ModuleImage& image);

// Positions the image at `offset`; an offset past the end of the image fails
// with "Stream read error" (an offset at the very end is taken: the next read
// fails there).
void seekInside(ModuleImage& image, std::uint64_t offset);

std::uint8_t readU8At(ModuleImage& image, std::uint64_t offset);
std::uint16_t readU16At(ModuleImage& image, std::uint64_t offset);

} // namespace pst
