#pragma once
// A help document as the text of --help: the usage lines, the summary, then
// each section, wrapped to fit a terminal of 80 columns.

#include "cli/HelpDocument.h"

#include <string>
#include <string_view>

namespace pst::cli {

inline constexpr std::size_t kHelpWidth = 79;

std::string renderPlainHelp(const HelpDocument& doc);

// `text` broken at blanks into lines of at most `width` characters, the
// first starting after `firstIndent` characters already on its line, the
// others indented by `indent`. A word longer than a line stands alone.
std::string wrapText(std::string_view text, std::size_t firstIndent, std::size_t indent, std::size_t width);

} // namespace pst::cli
