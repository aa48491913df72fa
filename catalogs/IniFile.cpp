#include "catalogs/IniFile.h"

#include "catalogs/IniLine.h"
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

IniFile IniFile::parse(std::string_view text)
{
    IniFile ini;
    Data& d = *ini.m_data;
    Data::Section* current = nullptr;
    IniLineSplitter lines(text);
    std::string_view raw;
    while (lines.next(raw)) {
        const IniLine line = tokenizeIniLine(raw);
        if (line.kind == IniLine::Kind::Section) {
            current = d.sectionFor(line.name);
            continue;
        }
        if (!current || line.kind != IniLine::Kind::Entry)
            continue;
        const std::string_view value = line.value.substr(0, kMaxValue);
        // The first entry of a key is the one that counts.
        if (current->values.emplace(foldCase(line.name), std::string(value)).second)
            current->keys.emplace_back(line.name);
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
