#pragma once
// Strict readers of command arguments. Each returns nullopt for anything but
// exactly the form it reads: no blanks, no signs, no prefixes.

#include "model/Bytes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pst::cli {

// One to maxDigits hexadecimal digits.
std::optional<std::uint32_t> parseHexDigits(std::string_view text, std::size_t maxDigits);

// One or more pairs of hexadecimal digits, each pair one byte.
std::optional<Bytes> parseHexBytes(std::string_view text);

// Decimal digits; a number too large for an int gives the largest int (it
// lies past every row all the same).
std::optional<int> parseRowNumber(std::string_view text);

// "ID=FILE" of --module: ID one to four hex digits, FILE possibly empty.
struct ModuleAssignment {
    std::uint16_t id = 0;
    std::string file;
};
std::optional<ModuleAssignment> parseModuleAssignment(std::string_view text);

// "OFFSET=HEX" of --poke: OFFSET one to four hex digits, HEX byte pairs.
struct Poke {
    std::size_t offset = 0;
    Bytes bytes;
};
std::optional<Poke> parsePoke(std::string_view text);

} // namespace pst::cli
