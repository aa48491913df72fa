#include "catalogs/IniFile.h"

#include "catalogs/IniText.h"

#include <unordered_map>

namespace pst {

struct IniFile::Data {
    struct Section {
        std::string name;
        std::vector<std::string> keys; // file order, first spelling
        std::unordered_map<std::string, std::string> values; // folded key -> value
    };
    std::vector<Section> sections;
    std::unordered_map<std::string, std::size_t> index; // folded name -> section

    Section* sectionFor(std::string_view name)
    {
        const std::string folded = foldCase(name);
        const auto it = index.find(folded);
        if (it != index.end())
            return &sections[it->second];
        index.emplace(folded, sections.size());
        sections.push_back({std::string(name), {}, {}});
        return &sections.back();
    }

    const Section* find(std::string_view name) const
    {
        const auto it = index.find(foldCase(trimBlanks(name)));
        return it == index.end() ? nullptr : &sections[it->second];
    }
};

IniFile::IniFile() : m_data(std::make_unique<Data>()) {}
IniFile::~IniFile() = default;
IniFile::IniFile(IniFile&&) noexcept = default;
IniFile& IniFile::operator=(IniFile&&) noexcept = default;

IniFile IniFile::parse(ByteView text)
{
    return parse(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
}

namespace {
// Where the line starting at `pos` ends: at the next CR or LF, or at the end
// of the text. A plain scan: a catalog of thousands of lines is read at the
// first lookup, and find_first_of searched its set of two for every byte.
std::size_t lineEnd(std::string_view text, std::size_t pos)
{
    for (std::size_t i = pos; i < text.size(); ++i)
        if (text[i] == '\r' || text[i] == '\n')
            return i;
    return text.size();
}
} // namespace

IniFile IniFile::parse(std::string_view text)
{
    IniFile ini;
    Data& d = *ini.m_data;
    Data::Section* current = nullptr;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        const std::size_t end = lineEnd(text, pos);
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (end < text.size() && text[end] == '\r' && pos < text.size() && text[pos] == '\n')
            ++pos;

        if (const SectionLine s = parseSectionLine(line); s.ok) {
            current = d.sectionFor(s.name);
            continue;
        }
        const std::string_view trimmed = trimBlanks(line);
        if (!current || trimmed.empty() || trimmed.front() == ';')
            continue;
        const auto eq = trimmed.find('=');
        if (eq == std::string_view::npos)
            continue;
        const std::string_view key = trimBlanks(trimmed.substr(0, eq));
        if (key.empty())
            continue;
        std::string_view value = trimBlanks(trimmed.substr(eq + 1));
        if (value.size() > kMaxValue)
            value = value.substr(0, kMaxValue);
        // The first entry of a key is the one that counts.
        if (current->values.emplace(foldCase(key), std::string(value)).second)
            current->keys.emplace_back(key);
    }
    return ini;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const
{
    const Data::Section* s = m_data->find(section);
    if (!s)
        return std::nullopt;
    const auto it = s->values.find(foldCase(trimBlanks(key)));
    if (it == s->values.end())
        return std::nullopt;
    return it->second;
}

std::string IniFile::value(std::string_view section, std::string_view key, std::string_view fallback) const
{
    auto v = value(section, key);
    return v ? std::move(*v) : std::string(fallback);
}

namespace {
// A name list is read as one block: names, each with a terminating byte.
std::vector<std::string> withinNameBlock(const std::vector<std::string>& names)
{
    std::vector<std::string> out;
    std::size_t used = 0;
    for (const std::string& n : names) {
        if (used + n.size() + 1 > IniFile::kNameBlock)
            break;
        used += n.size() + 1;
        out.push_back(n);
    }
    return out;
}
} // namespace

std::vector<std::string> IniFile::sections() const
{
    std::vector<std::string> names;
    names.reserve(m_data->sections.size());
    for (const auto& s : m_data->sections)
        names.push_back(s.name);
    return withinNameBlock(names);
}

std::vector<std::string> IniFile::keys(std::string_view section) const
{
    const Data::Section* s = m_data->find(section);
    return s ? withinNameBlock(s->keys) : std::vector<std::string>{};
}

std::size_t IniFile::keyCount(std::string_view section) const
{
    const Data::Section* s = m_data->find(section);
    return s ? s->keys.size() : 0;
}

bool IniFile::hasSection(std::string_view section) const
{
    return m_data->find(section) != nullptr;
}

} // namespace pst
