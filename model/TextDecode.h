#pragma once
// Texts from files (catalog values, step text, exchange-file keys) are kept as
// the bytes the file holds; only display decodes them. A text that is valid
// UTF-8 is shown as such, any other text as Latin-1 (every byte one character
// of the 8-bit code page).

#include <string>
#include <string_view>

namespace pst {

// True for well-formed UTF-8: no overlong forms, no surrogates, nothing above
// U+10FFFF, no truncated sequences.
bool isValidUtf8(std::string_view bytes);

// The text as UTF-8: unchanged when it is valid UTF-8, else each byte read as
// the Latin-1 character of that code. The result is always valid UTF-8.
std::string displayText(std::string_view bytes);

} // namespace pst
