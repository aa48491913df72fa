// Commands on the custom test boxes and SCRIPTS.INI.

#include "cli/CommandGroups.h"

namespace pst::cli {

namespace {

void family(Session& s, const std::string& text)
{
    s.run([&s, &text] { s.editor().setFamilyText(text); });
}

void custom(Session& s, const std::string& text) { s.editor().setCustomText(text); }

constexpr CommandSpec kCommands[] = {
    {"--family", "TEXT", "set the family box to TEXT (runs its change handler)", withText<family>},
    {"--custom", "TEXT", "set the custom test box to TEXT", withText<custom>},
    {"--write-custom", "", "press \"Write to INI current Test\"", plain<click<&Editor::btWriteToIniClick>>},
};

} // namespace

std::span<const CommandSpec> catalogCommands() { return kCommands; }

} // namespace pst::cli
