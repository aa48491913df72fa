#include "cli/Arguments.h"

#include "model/Hex.h"

#include <limits>

namespace pst::cli {

namespace {

bool isDecimalDigit(char c) { return c >= '0' && c <= '9'; }

// Splits "left=right" at the first '='.
std::optional<std::pair<std::string_view, std::string_view>> splitAssignment(std::string_view text)
{
    const auto eq = text.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return std::pair{text.substr(0, eq), text.substr(eq + 1)};
}

} // namespace

std::optional<std::uint32_t> parseHexDigits(std::string_view text, std::size_t maxDigits)
{
    if (text.empty() || text.size() > maxDigits)
        return std::nullopt;
    return parseHex32(text);
}

std::optional<Bytes> parseHexBytes(std::string_view text)
{
    if (text.empty() || text.size() % 2 != 0)
        return std::nullopt;
    Bytes out;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const auto byte = parseHex32(text.substr(i, 2));
        if (!byte)
            return std::nullopt;
        out.push_back(static_cast<Byte>(*byte));
    }
    return out;
}

std::optional<int> parseRowNumber(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    constexpr long long kMax = std::numeric_limits<int>::max();
    long long value = 0;
    for (char c : text) {
        if (!isDecimalDigit(c))
            return std::nullopt;
        value = std::min(kMax, value * 10 + (c - '0'));
    }
    return static_cast<int>(value);
}

std::optional<ModuleAssignment> parseModuleAssignment(std::string_view text)
{
    const auto parts = splitAssignment(text);
    if (!parts)
        return std::nullopt;
    const auto id = parseHexDigits(parts->first, 4);
    if (!id)
        return std::nullopt;
    return ModuleAssignment{static_cast<std::uint16_t>(*id), std::string(parts->second)};
}

std::optional<Poke> parsePoke(std::string_view text)
{
    const auto parts = splitAssignment(text);
    if (!parts)
        return std::nullopt;
    const auto offset = parseHexDigits(parts->first, 4);
    auto bytes = parseHexBytes(parts->second);
    if (!offset || !bytes)
        return std::nullopt;
    return Poke{*offset, std::move(*bytes)};
}

} // namespace pst::cli
