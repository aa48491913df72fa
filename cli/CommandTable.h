#pragma once
// Every command pstool knows, and the lookup the parser uses.

#include "cli/Command.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pst::cli {

// All commands, in the order --help shows them.
const std::vector<CommandSpec>& allCommands();

// The command of that exact name, or nullptr.
const CommandSpec* findCommand(std::string_view name);

// The known name (command or global option) closest to a mistyped one, when
// one is close enough to be what was meant.
std::optional<std::string> closestName(std::string_view name);

} // namespace pst::cli
