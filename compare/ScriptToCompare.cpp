#include "compare/ScriptToCompare.h"

#include "model/Editor.h"

namespace pst {

std::optional<ParsedScript> readScriptToCompare(Editor& editor)
{
    ModuleImage image;
    if (!editor.OpenModuleFile(editor.moduleId(), image, DialogPurpose::CompareModule))
        return std::nullopt;
    return parseScriptImage(image, *editor.catalogs().modDescr());
}

CompareInput compareInput(const Editor& editor)
{
    return {editor.steps().rows(), editor.layout(), editor.recordSize()};
}

CompareInput compareInput(const ParsedScript& script) { return {script.rows, script.layout, script.recordSize}; }

} // namespace pst
