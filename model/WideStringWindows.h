#pragma once
// Paths and texts cross between the core, where they are UTF-8, and the
// Windows system calls, which take UTF-16 ("wide") strings.

#include <optional>
#include <string>
#include <string_view>

namespace pst {

// The UTF-16 form of a UTF-8 text; nullopt when it is no valid UTF-8 (a
// name that cannot be a file's name on Windows).
std::optional<std::wstring> toWide(std::string_view utf8);

// The UTF-8 form of a UTF-16 text; an unpaired surrogate becomes U+FFFD.
std::string toUtf8(std::wstring_view wide);

} // namespace pst
