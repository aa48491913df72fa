#pragma once
// The editor state as --print writes it: one JSON object, texts decoded for
// display (UTF-8 where valid, else Latin-1).

#include <nlohmann/json.hpp>

namespace pst {
class Editor;
}

namespace pst::cli {

// {"title", "layout", "recordSize", "maxStepCount", "imageSize", "modId",
//  "selected" (1-based, 0 for none), "status", "family", "custom",
//  "steps": [{"id", "description", "icon" (null, 1, 2 or 3), "record"
//  (lower-case hex)}], "modified"}, in that order.
nlohmann::ordered_json stateJson(const Editor& editor);

} // namespace pst::cli
