#pragma once
// Byte vocabulary shared by the whole core. Module files are little-endian;
// fields are read and written byte by byte so the host's byte order and
// alignment never matter.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace pst {

using Byte = std::uint8_t;
using Bytes = std::vector<Byte>;
using ByteView = std::span<const Byte>;
using MutableByteView = std::span<Byte>;

// Reads of a field that does not lie wholly inside the view give 0; writes of
// such a field change nothing. Callers that must fail on short data check the
// size first (the module image does, with "Stream read error").
inline bool fits(ByteView bytes, std::size_t offset, std::size_t width)
{
    return offset <= bytes.size() && width <= bytes.size() - offset;
}

inline std::uint16_t getU16(ByteView b, std::size_t off)
{
    if (!fits(b, off, 2))
        return 0;
    return static_cast<std::uint16_t>(b[off] | (b[off + 1] << 8));
}

inline std::uint32_t getU32(ByteView b, std::size_t off)
{
    if (!fits(b, off, 4))
        return 0;
    return static_cast<std::uint32_t>(b[off]) | (static_cast<std::uint32_t>(b[off + 1]) << 8)
        | (static_cast<std::uint32_t>(b[off + 2]) << 16) | (static_cast<std::uint32_t>(b[off + 3]) << 24);
}

inline void putU16(MutableByteView b, std::size_t off, std::uint16_t v)
{
    if (!fits(b, off, 2))
        return;
    b[off] = static_cast<Byte>(v);
    b[off + 1] = static_cast<Byte>(v >> 8);
}

inline void putU32(MutableByteView b, std::size_t off, std::uint32_t v)
{
    if (!fits(b, off, 4))
        return;
    for (int i = 0; i < 4; ++i)
        b[off + i] = static_cast<Byte>(v >> (8 * i));
}

} // namespace pst
