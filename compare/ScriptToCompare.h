#pragma once
// The script of another module file, read to be compared with the editor's
// without changing the editor: as Load reads a module, into an image and a
// script of its own.

#include "compare/ScriptComparison.h"
#include "model/ScriptParser.h"

#include <optional>
#include <string>

namespace pst {

class Editor;

// Lets the user choose a module file in the open dialog of the module id
// box's id (DialogPurpose::CompareModule), reads it whole and parses it.
// The editor's script, image, layout and title stay as they are; the shared
// open dialog is left as Load leaves it. nullopt when the dialog was
// cancelled or the file is empty. Throws what Load throws: "Cannot open file
// ...", "Stream read error", "Unsupported record size N".
std::optional<ParsedScript> readScriptToCompare(Editor& editor);

// The same, with the path of the file chosen, for a view to name it.
struct ChosenScript {
    std::string path;
    ParsedScript script;
};
std::optional<ChosenScript> chooseScriptToCompare(Editor& editor);

// The two sides as compareScripts takes them.
CompareInput compareInput(const Editor& editor);
CompareInput compareInput(const ParsedScript& script);

} // namespace pst
