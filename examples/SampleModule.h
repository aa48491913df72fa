#pragma once
// What every sample module shares: the start of its layout, and the finishing
// touches (whole sectors, the module id, a valid checksum) that make it a file
// the editor and a drive would both accept.

#include "model/Bytes.h"
#include "model/ModuleLayout.h"

#include <cstdint>

namespace pst::examples {

// Source modules are padded to whole 512-byte sectors.
inline constexpr std::size_t kSectorSize = 512;

// Where the data of a ROYL source module begins (the u16 at offset 6 says so).
inline constexpr std::uint16_t kRoylDataOffset = 0x30;

// `size` zero bytes starting as the layout wants: the magic "ROYL" and the
// data offset, or a legacy start with its variant marker ("30" for
// legacy-32, "28" for legacy-28).
Bytes moduleStart(ModuleLayout layout, std::size_t size);

// Pads to whole sectors, then stores the module id and the checksum.
Bytes finishSourceModule(Bytes bytes, std::uint16_t moduleId);

// Stores the module id and the checksum; the size stays as it is.
Bytes finishModule(Bytes bytes, std::uint16_t moduleId);

} // namespace pst::examples
