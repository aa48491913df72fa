#include "model/Hex.h"

namespace pst {

std::string hexUpper(std::uint64_t v, int minDigits)
{
    std::string out;
    appendHexUpper(out, v, minDigits);
    return out;
}

void appendHexUpper(std::string& out, std::uint64_t v, int minDigits)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char digits[16];
    int n = 0;
    do {
        digits[n++] = kDigits[v & 0xF];
        v >>= 4;
    } while (v != 0);
    if (minDigits > n)
        out.append(static_cast<std::size_t>(minDigits - n), '0');
    while (n > 0)
        out += digits[--n];
}

std::optional<std::uint32_t> parseHex32(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        const int d = hexDigitValue(c);
        if (d < 0)
            return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(d);
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::uint16_t ModuleIdFromText(std::string_view text)
{
    const auto v = parseHex32(text);
    return static_cast<std::uint16_t>(v ? *v & 0xFFFF : 0x28);
}

std::string moduleFilter(std::uint16_t moduleId)
{
    const std::string hh = hex2(moduleId);
    return "Module " + hh + "|*" + hh + "*.rpm|All|*.*";
}

std::string moduleSaveName(std::uint16_t moduleId)
{
    return "~id" + hex2(moduleId) + ".rpm";
}

} // namespace pst
