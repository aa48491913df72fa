#pragma once
// Reading the script of a module image into rows, without touching any
// editor state, so a load can swap the result in only when it succeeded.

#include "model/ModuleLayout.h"
#include "model/ScriptHeader.h"
#include "model/StepList.h"

#include <cstdint>
#include <vector>

namespace pst {

class IniFile;
class ModuleImage;

struct ParsedScript {
    ModuleLayout layout = ModuleLayout::Royl;
    ScriptHeader header;           // as read (recordSize before its default)
    std::uint16_t recordSize = 0;  // after the default for 0
    std::int64_t maxStepCount = 0;
    std::vector<StepRow> rows;
    int currentRow = 0;            // 0-based row to select; valid when rows exist
};

// Recognises the layout, reads the header and appends one row per record
// until a TEST_ID of 0 or until no whole record is left. Descriptions come
// from the one ModDescr.ini snapshot given. Throws "Stream read error" for an
// image too short for its header and "Unsupported record size N" for a record
// size that cannot hold ERROR_CODE. The image is not changed.
ParsedScript parseScriptImage(const ModuleImage& image, const IniFile& modDescr);

} // namespace pst
