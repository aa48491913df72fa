#pragma once
// Writing the rows back into a module image: header, records, zero fill.

#include "model/ModuleLayout.h"
#include "model/StepList.h"

#include <cstdint>
#include <optional>

namespace pst {

class ModuleImage;

// Does nothing when the list is empty (the image is not even looked at) and
// returns nullopt. Otherwise writes the header (current step = selected row
// + 1, 0 with nothing selected; the record size in use; PTM start time 0),
// every row's record of exactly recordSize bytes in list order (a row without
// a record writes zeros), then zero bytes to the end of the image. Records
// past the former end extend the image. Returns the layout recognised from
// the image. Throws "Stream read error" for an image too short to recognise.
std::optional<ModuleLayout> SerializeScript(ModuleImage& image, const StepList& steps, std::uint16_t recordSize);

} // namespace pst
