// Commands around the module file: the module id box, the module files that
// answer the generators' dialogs, the Step box, Load, drop and Save.

#include "cli/Arguments.h"
#include "cli/CommandGroups.h"
#include "model/Error.h"
#include "model/FileSystem.h"
#include "model/Messages.h"

namespace pst::cli {

namespace {

void modId(Session& s, const std::string& text) { s.editor().setModIdText(text); }
void step(Session& s) { s.editor().setStepChecked(true); }
void noStep(Session& s) { s.editor().setStepChecked(false); }

Action bindModule(std::string_view name, const std::string& argument)
{
    const auto module = parseModuleAssignment(argument);
    if (!module)
        throw UsageError(std::string(name) + ": expected ID=FILE with ID one to four hex digits, got '" + argument + "'");
    return [m = *module](Session& s) { s.host().setModuleFile(m.id, m.file); };
}

void load(Session& s, const std::string& file)
{
    s.runWithFile(file, [&s] { s.editor().btReadClick(); });
}

void drop(Session& s, const std::string& file)
{
    s.run([&s, &file] {
        // Only files that exist can be dropped on a window; here a missing
        // one is a mistyped name, which must not pass for a drop that did
        // nothing.
        FileSystem& fs = s.editor().fileSystem();
        if (fs.kind(file) == FileKind::Missing) {
            // In the system's own words, as Load says it.
            const ReadResult read = fs.readFile(file, kMaxModuleFileSize);
            if (!read.ok)
                throw Error(msg::cannotOpenFile(file, read.error));
        }
        s.editor().WMDropFiles({file});
    });
}

void save(Session& s, const std::string& file)
{
    s.runWithFile(file, [&s] { s.editor().btWriteClick(); });
}

constexpr CommandSpec kCommands[] = {
    {"--mod-id", "TEXT", "type TEXT into the module id box (not hex: module 28)", withText<modId>},
    {"--module", "ID=FILE", "answer module ID's dialogs with FILE (empty: cancel)",
     bindModule},
    {"--step", "", "check the Step box: Save applies END first (default)", plain<step>},
    {"--no-step", "", "uncheck the Step box", plain<noStep>},
    {"--load", "FILE", "Load, with FILE chosen in the open dialog", withFile<load>, "Load"},
    {"--drop", "FILE", "drop FILE on the window (module or step text file)", withFile<drop>, kDropCaption},
    {"--save", "FILE", "Save, with FILE chosen in the save dialog", withFile<save>, "Save"},
};

} // namespace

std::span<const CommandSpec> fileCommands() { return kCommands; }

} // namespace pst::cli
