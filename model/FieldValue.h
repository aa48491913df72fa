#pragma once
// A value the user types for one field of a step record: read as
// hexadecimal or decimal, checked against the field's width, and written
// as the field's little-endian bytes.

#include "model/Bytes.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace pst {

// How a typed value is read when it carries no prefix. A "0x" (or "0X")
// prefix always means hexadecimal, so "0x1A" reads the same in both.
enum class FieldBase { Hex, Decimal };

struct FieldValue {
    bool ok = false;
    std::uint32_t value = 0;
    std::string error; // what was wrong, when !ok

    static FieldValue failed(std::string error) { return {false, 0, std::move(error)}; }
};

// The largest value a field of `width` bytes (1 to 4) holds.
std::uint32_t fieldMaximum(std::size_t width);

// Reads `text` (blanks around it ignored) for a field of `width` bytes, 1 to
// 4: digits of `base`, or "0x" and hexadecimal digits. Refused, with the
// reason in `error`: an empty text, any other character (a sign, a blank
// inside, a second prefix), and a value above fieldMaximum(width).
FieldValue parseFieldValue(std::string_view text, std::size_t width, FieldBase base);

// The `width` low bytes of `value`, least significant first.
Bytes fieldBytes(std::uint32_t value, std::size_t width);

} // namespace pst
