#pragma once
// An INI file read whole, with the reading rules the catalogs and the exchange
// file rely on:
// - a section starts at a line "[name]"; the lines after it up to the next
//   section line hold "key=value" entries;
// - section names and keys compare without regard to case; blanks around
//   keys and values are ignored;
// - a value is read up to 2047 characters;
// - name lists (sections, keys of a section) are read as one block of at most
//   16384 bytes, each name taking its length plus one byte; names beyond the
//   block are not returned.
// Texts are byte strings: a value is the bytes the file holds.

#include "model/Bytes.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pst {

class IniFile {
public:
    static constexpr std::size_t kMaxValue = 2047;
    static constexpr std::size_t kNameBlock = 16384;

    IniFile();
    ~IniFile();
    IniFile(IniFile&&) noexcept;
    IniFile& operator=(IniFile&&) noexcept;

    static IniFile parse(ByteView text);
    static IniFile parse(std::string_view text);

    // The value, cut to 2047 characters; nullopt for a missing section or key.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string value(std::string_view section, std::string_view key, std::string_view fallback) const;

    // Section names in file order, within the name block.
    std::vector<std::string> sections() const;
    // Keys of a section in file order, within the name block; empty for a
    // missing section.
    std::vector<std::string> keys(std::string_view section) const;
    // All keys of a section, also those beyond the name block.
    std::size_t keyCount(std::string_view section) const;
    bool hasSection(std::string_view section) const;

private:
    struct Data;
    std::unique_ptr<Data> m_data;
};

} // namespace pst
