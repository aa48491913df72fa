#include "model/RecordBuffer.h"

#include "model/Error.h"

#include <algorithm>

namespace pst {

void RecordBuffer::setSize(std::size_t size)
{
    if (size == m_bytes.size())
        return;
    if (m_sizeLocked && size != 0 && !m_bytes.empty())
        throw Error(std::string(kFixedSizeError));
    applySize(size);
}

void RecordBuffer::setSizeUnlocked(std::size_t size)
{
    if (size != m_bytes.size())
        applySize(size);
}

void RecordBuffer::applySize(std::size_t size)
{
    m_bytes.resize(size, 0);
    m_marks.assign(size, false);
    m_history.clear();
    m_observers.notify([](RecordBufferObserver& o) { o.recordSizeChanged(); });
}

void RecordBuffer::load(ByteView bytes)
{
    const std::size_t count = std::min(bytes.size(), m_bytes.size());
    std::copy_n(bytes.begin(), count, m_bytes.begin());
    m_observers.notify([count](RecordBufferObserver& o) { o.recordBytesChanged({0, count}); });
}

void RecordBuffer::resetEditState()
{
    m_history.clear();
    std::fill(m_marks.begin(), m_marks.end(), false);
    m_observers.notify([](RecordBufferObserver& o) { o.recordEditStateReset(); });
}

ByteEdit RecordBuffer::snapshot(std::size_t offset, std::size_t length) const
{
    const auto from = static_cast<std::ptrdiff_t>(offset);
    const auto to = static_cast<std::ptrdiff_t>(offset + length);
    return {offset, Bytes(m_bytes.begin() + from, m_bytes.begin() + to),
            std::vector<bool>(m_marks.begin() + from, m_marks.begin() + to)};
}

ByteRange RecordBuffer::write(std::size_t offset, ByteView bytes)
{
    if (bytes.empty() || !fits(m_bytes, offset, bytes.size()))
        return {};
    m_history.record(snapshot(offset, bytes.size()));
    std::copy(bytes.begin(), bytes.end(), m_bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    std::fill_n(m_marks.begin() + static_cast<std::ptrdiff_t>(offset), bytes.size(), true);
    const ByteRange range{offset, bytes.size()};
    m_observers.notify([range](RecordBufferObserver& o) { o.recordBytesChanged(range); });
    return range;
}

ByteRange RecordBuffer::restore(const ByteEdit& edit)
{
    if (edit.offset >= m_bytes.size())
        return {};
    const std::size_t count = std::min(edit.bytes.size(), m_bytes.size() - edit.offset);
    const auto at = static_cast<std::ptrdiff_t>(edit.offset);
    std::copy_n(edit.bytes.begin(), count, m_bytes.begin() + at);
    std::copy_n(edit.marks.begin(), count, m_marks.begin() + at);
    const ByteRange range{edit.offset, count};
    m_observers.notify([range](RecordBufferObserver& o) { o.recordBytesChanged(range); });
    return range;
}

ByteRange RecordBuffer::undo()
{
    if (!m_history.canUndo())
        return {};
    const ByteEdit& next = m_history.nextUndo();
    return restore(m_history.undo(snapshot(next.offset, next.bytes.size())));
}

ByteRange RecordBuffer::redo()
{
    if (!m_history.canRedo())
        return {};
    const ByteEdit& next = m_history.nextRedo();
    return restore(m_history.redo(snapshot(next.offset, next.bytes.size())));
}

} // namespace pst
