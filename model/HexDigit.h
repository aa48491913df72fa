#pragma once
// The value of one hexadecimal digit, wherever text is read as hex: the core's
// numbers and the hex view's typing and clipboard. It depends on nothing, so
// the hex view's library takes it without linking the core.

namespace pst {

// The value of a hexadecimal digit (0-9, A-F, a-f), or -1 for anything else.
constexpr int hexDigitValue(char32_t c)
{
    if (c >= U'0' && c <= U'9')
        return static_cast<int>(c - U'0');
    if (c >= U'A' && c <= U'F')
        return static_cast<int>(c - U'A') + 10;
    if (c >= U'a' && c <= U'f')
        return static_cast<int>(c - U'a') + 10;
    return -1;
}

} // namespace pst
