#pragma once
// The one reading of an INI file's lines, shared by the reader and the
// writer so that both see the same sections, entries and keys:
// - a line ends at CR, LF or CR LF; a line end at the very end of the text
//   starts no further line;
// - "[name]" starts a section (blanks around it and around the name are
//   ignored; without "]" the name runs to the end of the line);
// - "key=value" is an entry, its key and value trimmed of blanks; a line
//   starting with ";", one without "=" and one with an empty key are none.

#include <cstddef>
#include <string_view>

namespace pst {

struct IniLine {
    enum class Kind { Other, Section, Entry };
    Kind kind = Kind::Other;
    std::string_view name;  // the section's name or the entry's key, trimmed
    std::string_view value; // the entry's value, trimmed
};

IniLine tokenizeIniLine(std::string_view line);

// Walks the lines of a text, each without its line end.
class IniLineSplitter {
public:
    explicit IniLineSplitter(std::string_view text) : m_text(text) {}
    // The next line into `line`; false after the last.
    bool next(std::string_view& line);

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// A name from the file (already trimmed) against one a caller asks for:
// blanks around the asked name are ignored, case is not compared.
bool iniNameIs(std::string_view fileName, std::string_view asked);

} // namespace pst
