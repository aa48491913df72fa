#include "ui/hexview/HexBufferSource.h"

#include <algorithm>

void HexBufferSource::setBytes(const QByteArray& bytes)
{
    const bool resized = bytes.size() != m_bytes.size();
    m_bytes = bytes;
    m_marks = QBitArray(bytes.size());
    if (resized)
        emit sizeChanged();
    emit bytesChanged(0, m_bytes.size());
}

void HexBufferSource::clearMarks()
{
    m_marks.fill(false);
    emit editStateReset();
}

bool HexBufferSource::isChanged(qint64 offset) const
{
    return offset >= 0 && offset < m_marks.size() && m_marks.testBit(offset);
}

bool HexBufferSource::write(qint64 offset, QByteArrayView bytes)
{
    if (offset < 0 || bytes.isEmpty() || bytes.size() > size() - offset)
        return false;
    std::copy_n(bytes.data(), bytes.size(), m_bytes.data() + offset);
    m_marks.fill(true, offset, offset + bytes.size());
    emit bytesChanged(offset, bytes.size());
    return true;
}
