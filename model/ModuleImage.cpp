#include "model/ModuleImage.h"

#include "model/Error.h"
#include "model/Messages.h"

#include <algorithm>
#include <string>

namespace pst {

void ModuleImage::clear()
{
    m_bytes.clear();
    m_bytes.shrink_to_fit();
    m_pos = 0;
}

void ModuleImage::assign(Bytes bytes)
{
    m_bytes = std::move(bytes);
    m_pos = 0;
}

void ModuleImage::seekRelative(std::int64_t delta)
{
    if (delta < 0 && static_cast<std::uint64_t>(-delta) > m_pos)
        m_pos = 0;
    else
        m_pos = static_cast<std::size_t>(static_cast<std::int64_t>(m_pos) + delta);
}

void ModuleImage::read(MutableByteView out)
{
    if (remaining() < out.size())
        throw Error(std::string(msg::kStreamReadError));
    std::copy_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(m_pos), out.size(), out.begin());
    m_pos += out.size();
}

Bytes ModuleImage::read(std::size_t count)
{
    if (remaining() < count)
        throw Error(std::string(msg::kStreamReadError));
    Bytes out(count);
    read(out);
    return out;
}

void ModuleImage::skip(std::size_t count)
{
    if (remaining() < count)
        throw Error(std::string(msg::kStreamReadError));
    m_pos += count;
}

void ModuleImage::write(ByteView bytes)
{
    if (bytes.empty())
        return;
    if (m_pos + bytes.size() > m_bytes.size())
        m_bytes.resize(m_pos + bytes.size());
    std::copy(bytes.begin(), bytes.end(), m_bytes.begin() + static_cast<std::ptrdiff_t>(m_pos));
    m_pos += bytes.size();
}

void ModuleImage::writeU8(std::uint8_t v)
{
    const Byte b[1] = {v};
    write(b);
}

void ModuleImage::writeU16(std::uint16_t v)
{
    Byte b[2];
    putU16(b, 0, v);
    write(b);
}

void ModuleImage::writeU32(std::uint32_t v)
{
    Byte b[4];
    putU32(b, 0, v);
    write(b);
}

std::uint8_t ReadU8(ModuleImage& image)
{
    Byte b[1];
    image.read(b);
    return b[0];
}

std::uint16_t ReadU16(ModuleImage& image)
{
    Byte b[2];
    image.read(b);
    return getU16(b, 0);
}

std::uint32_t ReadU32(ModuleImage& image)
{
    Byte b[4];
    image.read(b);
    return getU32(b, 0);
}

} // namespace pst
