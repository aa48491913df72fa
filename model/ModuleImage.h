#pragma once
// The bytes of one module file, held whole in memory, with a read/write
// position. Exact reads that run past the end fail with "Stream read error";
// writes past the end extend the image.

#include "model/Bytes.h"

#include <cstdint>

namespace pst {

class ModuleImage {
public:
    ModuleImage() = default;
    explicit ModuleImage(Bytes bytes) : m_bytes(std::move(bytes)) {}

    void clear();
    // Replaces the contents; position 0.
    void assign(Bytes bytes);

    std::size_t size() const { return m_bytes.size(); }
    bool empty() const { return m_bytes.empty(); }
    std::size_t position() const { return m_pos; }
    ByteView bytes() const { return m_bytes; }
    MutableByteView mutableBytes() { return m_bytes; }
    const Bytes& data() const { return m_bytes; }

    // Positions may lie past the end; a later read there fails, a write extends.
    void seek(std::size_t offset) { m_pos = offset; }
    void seekRelative(std::int64_t delta);

    // Throws Error("Stream read error") when fewer than out.size() bytes remain;
    // the position is then unchanged.
    void read(MutableByteView out);
    Bytes read(std::size_t count);
    void skip(std::size_t count);
    // Writes at the position and advances; zero-fills any gap when the position
    // lies past the end.
    void write(ByteView bytes);
    void writeU8(std::uint8_t v);
    void writeU16(std::uint16_t v);
    void writeU32(std::uint32_t v);

    std::size_t remaining() const { return m_pos < m_bytes.size() ? m_bytes.size() - m_pos : 0; }

private:
    Bytes m_bytes;
    std::size_t m_pos = 0;
};

std::uint8_t ReadU8(ModuleImage& image);
std::uint16_t ReadU16(ModuleImage& image);
std::uint32_t ReadU32(ModuleImage& image);

} // namespace pst
