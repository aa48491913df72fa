#pragma once
// Module checksum and module id. After FixChecksum the wrapping 32-bit sum of
// all whole u32 words (ROYL) or the wrapping 8-bit sum of all bytes (legacy)
// of the image is 0.

#include "model/MessagePump.h"

#include <cstdint>

namespace pst {

class ModuleImage;

// Recomputes and stores the checksum for the image's layout; position 0
// afterwards. Lets the pump run now and then so a window stays painted while a
// large image is summed. Throws "Stream read error" for images under 4 bytes.
void FixChecksum(ModuleImage& image, MessagePump* pump = nullptr);

// Stores the id (ROYL: u16 at 8; legacy: low byte at 4), then fixes the checksum.
void SetModuleId(ModuleImage& image, std::uint16_t moduleId, MessagePump* pump = nullptr);

// True when the stored checksum makes the image's sum zero (the check pstool's
// --check runs). Throws "Stream read error" for images under 4 bytes.
bool ChecksumValid(const ModuleImage& image);

} // namespace pst
