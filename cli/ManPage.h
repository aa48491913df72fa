#pragma once
// A help document as a manual page in the man macros of roff, section 1.

#include "cli/HelpDocument.h"

#include <string>
#include <string_view>

namespace pst::cli {

// `source` names the package and its version in the page's footer
// ("pstedit 0.1.0"). No date: the same sources give the same page.
std::string renderManPage(const HelpDocument& doc, std::string_view source);

// Text made safe for roff: backslashes and hyphen-minus signs escaped, and a
// line that would start with a control character ('.' or '\'') guarded.
std::string roffEscape(std::string_view text);

} // namespace pst::cli
