#include "catalogs/IniLine.h"

#include "catalogs/IniText.h"

namespace pst {

IniLine tokenizeIniLine(std::string_view line)
{
    const std::string_view t = trimBlanks(line);
    if (t.empty() || t.front() == ';')
        return {};
    if (t.front() == '[') {
        std::string_view name = t.substr(1);
        if (const auto close = name.find(']'); close != std::string_view::npos)
            name = name.substr(0, close);
        return {IniLine::Kind::Section, trimBlanks(name), {}};
    }
    const auto eq = t.find('=');
    if (eq == std::string_view::npos)
        return {};
    const std::string_view key = trimBlanks(t.substr(0, eq));
    if (key.empty())
        return {};
    return {IniLine::Kind::Entry, key, trimBlanks(t.substr(eq + 1))};
}

// A plain scan for the line end: a catalog of thousands of lines is read at
// the first lookup, and find_first_of searched its set of two for every byte.
bool IniLineSplitter::next(std::string_view& line)
{
    const std::size_t size = m_text.size();
    if (m_pos >= size)
        return false;
    std::size_t end = m_pos;
    while (end < size && m_text[end] != '\r' && m_text[end] != '\n')
        ++end;
    line = m_text.substr(m_pos, end - m_pos);
    m_pos = end + 1;
    if (end < size && m_text[end] == '\r' && m_pos < size && m_text[m_pos] == '\n')
        ++m_pos;
    return true;
}

bool iniNameIs(std::string_view fileName, std::string_view asked)
{
    return sameName(fileName, trimBlanks(asked));
}

} // namespace pst
