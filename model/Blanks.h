#pragma once
// Blanks around a text the user or a file gave: the INI files' names and
// values, the fields of a step text line, a step's ID text.

#include <string_view>

namespace pst {

// Blanks: every character up to and including the space (tabs, CR, NUL...).
inline bool isBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

inline std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace pst
