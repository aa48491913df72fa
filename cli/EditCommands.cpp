// Commands on the step list: selecting a row, the popup menu's editing
// commands, the move buttons, typing into the hex view, and Undo and Redo.

#include "cli/Arguments.h"
#include "cli/CommandGroups.h"

#include <algorithm>

namespace pst::cli {

namespace {

Action bindSelect(std::string_view name, const std::string& argument)
{
    const auto n = parseRowNumber(argument);
    if (!n)
        throw UsageError(std::string(name) + ": expected a row number, got '" + argument + "'");
    // Row 0, or a row past the last, is a click below the last row.
    const int row = *n == 0 ? StepList::kNone : *n - 1;
    return [row](Session& s) { s.run([&s, row] { s.editor().selectRow(row); }); };
}

// Typing into the hex view: the bytes go through the editor's one write of
// record bytes, into the selected record (if any). As typing does, bytes
// past the record's end are dropped.
Action bindPoke(std::string_view name, const std::string& argument)
{
    const auto poke = parsePoke(argument);
    if (!poke)
        throw UsageError(std::string(name) + ": expected OFFSET=HEX (one to four hex digits, then pairs of hex digits), got '"
                         + argument + "'");
    return [p = *poke](Session& s) {
        s.run([&s, &p] {
            const std::size_t size = s.editor().recordBuffer().size();
            if (p.offset < size)
                s.editor().writeRecordBytes(p.offset, ByteView(p.bytes).first(std::min(p.bytes.size(), size - p.offset)));
        });
    };
}

constexpr CommandSpec kCommands[] = {
    {"--select", "N", "click row N (1-based; 0 or past the end: no selection)", bindSelect},
    {"--insert", "", "Insert", plain<click<&Editor::miInsertClick>>, "Insert"},
    {"--delete", "", "Delete", plain<click<&Editor::miDeleteClick>>, "Delete"},
    {"--up", "", "Move Up", plain<click<&Editor::btUpClick>>, "Move Up"},
    {"--down", "", "Move Down", plain<click<&Editor::btDownClick>>, "Move Down"},
    {"--set-end", "", "Set Eror Step to END", plain<click<&Editor::miSetErorSteptoEndClick>>,
     "Set Eror Step to END"},
    {"--set-stop", "", "Set Eror Step to STOP", plain<click<&Editor::miSetErorSteptoStopClick>>,
     "Set Eror Step to STOP"},
    {"--step-by-step", "", "Set Good Step to Step_by_Step", plain<click<&Editor::miSetGoodSteptoStepByStepClick>>,
     "Set Good Step to Step_by_Step"},
    {"--clear-log", "", "Clear Current Step Log", plain<click<&Editor::miClearCurrentStepClick>>,
     "Clear Current Step Log"},
    {"--clear-logs", "", "Clear Script Log", plain<click<&Editor::miClearScriptClick>>, "Clear Script Log"},
    {"--clear", "", "Clear", plain<click<&Editor::miClearAllClick>>, "Clear"},
    {"--poke", "OFFSET=HEX", "type bytes HEX into the hex view from byte OFFSET on", bindPoke, kTypingCaption},
    {"--undo", "", "undo the last step of the script history (none: nothing)", plain<click<&Editor::miUndoClick>>},
    {"--redo", "", "redo the step last undone (none: nothing)", plain<click<&Editor::miRedoClick>>},
};

} // namespace

std::span<const CommandSpec> editCommands() { return kCommands; }

} // namespace pst::cli
