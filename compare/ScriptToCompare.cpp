#include "compare/ScriptToCompare.h"

#include "model/Editor.h"

namespace pst {

std::optional<ChosenScript> chooseScriptToCompare(Editor& editor)
{
    ModuleImage image;
    std::string path;
    if (!editor.OpenModuleFile(editor.moduleId(), image, DialogPurpose::CompareModule, &path))
        return std::nullopt;
    return ChosenScript{std::move(path), parseScriptImage(image, *editor.catalogs().modDescr())};
}

std::optional<ParsedScript> readScriptToCompare(Editor& editor)
{
    std::optional<ChosenScript> chosen = chooseScriptToCompare(editor);
    if (!chosen)
        return std::nullopt;
    return std::move(chosen->script);
}

CompareInput compareInput(const Editor& editor)
{
    return {editor.steps().rows(), editor.layout(), editor.recordSize()};
}

CompareInput compareInput(const ParsedScript& script) { return {script.rows, script.layout, script.recordSize}; }

} // namespace pst
