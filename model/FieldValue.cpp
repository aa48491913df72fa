#include "model/FieldValue.h"

#include "model/Hex.h"
#include "model/Messages.h"

#include <algorithm>

namespace pst {

namespace {
std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

int digitValue(char c, unsigned radix)
{
    const int d = hexDigitValue(c);
    return d >= 0 && static_cast<unsigned>(d) < radix ? d : -1;
}

bool hasHexPrefix(std::string_view text)
{
    return text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}
} // namespace

std::uint32_t fieldMaximum(std::size_t width)
{
    width = std::clamp<std::size_t>(width, 1, 4);
    return static_cast<std::uint32_t>((std::uint64_t{1} << (8 * width)) - 1);
}

FieldValue parseFieldValue(std::string_view text, std::size_t width, FieldBase base)
{
    text = trimmed(text);
    if (text.empty())
        return FieldValue::failed(std::string(msg::kFieldValueEmpty));
    const bool prefixed = hasHexPrefix(text);
    const bool hex = prefixed || base == FieldBase::Hex;
    const std::string_view digits = prefixed ? text.substr(2) : text;
    const unsigned radix = hex ? 16 : 10;
    const std::uint64_t max = fieldMaximum(width);
    std::uint64_t value = 0;
    bool tooLarge = false;
    for (char c : digits) {
        const int d = digitValue(c, radix);
        if (d < 0)
            return FieldValue::failed(msg::fieldValueNotNumber(text, hex));
        // Once past the field's maximum the value only grows: stop adding,
        // so that no number of digits can overflow.
        if (!tooLarge)
            value = value * radix + static_cast<std::uint64_t>(d);
        tooLarge = tooLarge || value > max;
    }
    if (digits.empty())
        return FieldValue::failed(msg::fieldValueNotNumber(text, hex));
    if (tooLarge)
        return FieldValue::failed(msg::fieldValueTooLarge(text, std::clamp<std::size_t>(width, 1, 4), hex));
    return {true, static_cast<std::uint32_t>(value), {}};
}

Bytes fieldBytes(std::uint32_t value, std::size_t width)
{
    Bytes out(std::min<std::size_t>(width, 4));
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<Byte>(value >> (8 * i));
    return out;
}

} // namespace pst
