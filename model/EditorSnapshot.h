#pragma once
// Everything needed to bring an edited script back after the program ended
// without saving: the module image, the rows, the selection and the module id
// text. The window keeps one on disk while the script is modified.

#include "model/Bytes.h"
#include "model/ModuleLayout.h"
#include "model/StepList.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pst {

struct EditorSnapshot {
    Bytes image;
    ModuleLayout layout = ModuleLayout::Royl;
    std::uint16_t recordSize = 0;
    std::int64_t maxStepCount = 0;
    std::vector<StepRow> rows;
    int selected = StepList::kNone;
    std::string modIdText;
    std::int64_t savedAtSeconds = 0; // when the snapshot was taken (Unix time)

    friend bool operator==(const EditorSnapshot&, const EditorSnapshot&) = default;
};

// A self-describing byte form with a magic and a checksum, so a damaged or
// foreign file is refused rather than restored.
Bytes encodeSnapshot(const EditorSnapshot& snapshot);
// nullopt for anything that is not a complete, consistent snapshot.
std::optional<EditorSnapshot> decodeSnapshot(ByteView bytes);

} // namespace pst
