#pragma once
// The bytes of the step hex view for hosts without a window (pstool, tests):
// a fixed-size buffer that the editor sizes and loads, and that typing
// overwrites without changing its size.

#include "model/Bytes.h"

#include <algorithm>

namespace pst {

class HexViewBuffer {
public:
    const Bytes& bytes() const { return m_bytes; }
    void setSize(std::size_t size) { m_bytes.resize(size, 0); }
    void load(ByteView bytes)
    {
        std::copy_n(bytes.begin(), std::min(bytes.size(), m_bytes.size()), m_bytes.begin());
    }
    // Overwrites from `offset` on; bytes past the end are dropped. Returns how
    // many bytes were written.
    std::size_t overwrite(std::size_t offset, ByteView bytes)
    {
        if (offset >= m_bytes.size())
            return 0;
        const std::size_t n = std::min(bytes.size(), m_bytes.size() - offset);
        std::copy_n(bytes.begin(), n, m_bytes.begin() + static_cast<std::ptrdiff_t>(offset));
        return n;
    }

private:
    Bytes m_bytes;
};

} // namespace pst
