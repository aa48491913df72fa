#pragma once
// The groups of pstool's commands, one source file each. CommandTable.cpp
// lists them in the order --help shows them.

#include "cli/Command.h"

#include <span>

namespace pst::cli {

// --mod-id, --module, --step, --no-step, --load, --drop, --save (FileCommands.cpp)
std::span<const CommandSpec> fileCommands();
// --select, the step list's popup menu and move buttons, --poke (EditCommands.cpp)
std::span<const CommandSpec> editCommands();
// --family, --custom, --write-custom (CatalogCommands.cpp)
std::span<const CommandSpec> catalogCommands();
// --upgrade, the generators, the INI and TREX files (ConvertCommands.cpp)
std::span<const CommandSpec> convertCommands();
// --print, --check (PrintCommands.cpp)
std::span<const CommandSpec> printCommands();
// --compare, --compare-json, --compare-logs (CompareCommands.cpp)
std::span<const CommandSpec> compareCommands();

} // namespace pst::cli
