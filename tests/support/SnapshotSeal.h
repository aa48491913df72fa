#pragma once
// The seal that closes a recovery copy: Adler-32 of everything before it,
// little-endian in the last four bytes. Tests and the fuzz target reseal
// damaged copies with it, so that the fields behind the seal are reached.

#include "model/Bytes.h"

#include <cstdint>

namespace pst::test {

// The copy with its last four bytes replaced by the seal of the bytes before
// them; copies of fewer than four bytes are returned as they are.
inline Bytes resealed(Bytes b)
{
    if (b.size() < 4)
        return b;
    b.resize(b.size() - 4);
    std::uint32_t a = 1, s = 0;
    for (Byte v : b) {
        a = (a + v) % 65521;
        s = (s + a) % 65521;
    }
    const std::uint32_t sum = (s << 16) | a;
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<Byte>(sum >> (8 * i)));
    return b;
}

} // namespace pst::test
