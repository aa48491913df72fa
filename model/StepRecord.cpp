#include "model/StepRecord.h"

#include <algorithm>

namespace pst {

void StepRecord::zero(std::size_t from, std::size_t to)
{
    to = std::min(to, m_bytes.size());
    if (from < to)
        std::fill(m_bytes.begin() + static_cast<std::ptrdiff_t>(from), m_bytes.begin() + static_cast<std::ptrdiff_t>(to), 0);
}

void StepRecord::overwrite(std::size_t offset, ByteView bytes)
{
    if (offset >= m_bytes.size())
        return;
    const std::size_t n = std::min(bytes.size(), m_bytes.size() - offset);
    std::copy_n(bytes.begin(), n, m_bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

} // namespace pst
