#include "ui/hexview/HexCursor.h"

#include <algorithm>
#include <cstdlib>

HexCursor::HexCursor(int bytesPerRow) : m_bytesPerRow(std::max(1, bytesPerRow)) {}

void HexCursor::setSize(qint64 sizeBytes)
{
    m_sizeBytes = std::max<qint64>(0, sizeBytes);
    clearSelection();
    m_posNibbles = std::min(m_posNibbles, lastNibble());
    if (m_pane == HexPane::Chars)
        m_posNibbles &= ~qint64(1);
}

void HexCursor::setBytesPerRow(int bytesPerRow) { m_bytesPerRow = std::max(1, bytesPerRow); }

void HexCursor::setPane(HexPane pane)
{
    m_pane = pane;
    if (m_pane == HexPane::Chars)
        m_posNibbles &= ~qint64(1);
}

qint64 HexCursor::frameOffset() const { return std::min(offset(), std::max<qint64>(0, m_sizeBytes - 1)); }

HexRange HexCursor::selection() const
{
    if (m_anchor == kNoAnchor)
        return {};
    const qint64 caret = offset();
    return {std::min(m_anchor, caret), std::abs(m_anchor - caret)};
}

void HexCursor::moveTo(qint64 offset, int nibble)
{
    clearSelection();
    if (m_sizeBytes == 0) {
        m_posNibbles = 0;
        return;
    }
    const int half = m_pane == HexPane::Hex ? std::clamp(nibble, 0, 1) : 0;
    m_posNibbles = 2 * std::clamp<qint64>(offset, 0, m_sizeBytes - 1) + half;
}

void HexCursor::move(HexMove move, bool extend, int pageRows)
{
    if (m_sizeBytes == 0)
        return;
    if (!extend) {
        const qint64 target = plainTarget(move, pageRows);
        clearSelection();
        m_posNibbles = target;
        return;
    }
    if (m_anchor == kNoAnchor)
        m_anchor = offset();
    m_posNibbles = 2 * extendTarget(move, pageRows);
}

// Up and down keep the column; a row that ends before it takes its last byte,
// and there is nothing above the first row or below the last.
qint64 HexCursor::lineTarget(qint64 fromByte, qint64 rows) const
{
    const qint64 target = fromByte + rows * m_bytesPerRow;
    const qint64 lastRow = (m_sizeBytes - 1) / m_bytesPerRow;
    if (target < 0 || target / m_bytesPerRow > lastRow)
        return fromByte;
    return std::min(target, m_sizeBytes - 1);
}

qint64 HexCursor::plainTarget(HexMove move, int pageRows) const
{
    const qint64 byte = frameOffset();
    const qint64 rowStart = byte - byte % m_bytesPerRow;
    const int keptNibble = m_pane == HexPane::Hex ? nibble() : 0;
    const qint64 pageBytes = qint64(std::max(1, pageRows)) * m_bytesPerRow;
    switch (move) {
    case HexMove::PreviousChar:
        return m_pane == HexPane::Hex ? std::max<qint64>(0, 2 * byte + keptNibble - 1)
                                      : 2 * std::max<qint64>(0, byte - 1);
    case HexMove::NextChar:
        return m_pane == HexPane::Hex ? std::min(2 * byte + keptNibble + 1, lastNibble())
                                      : 2 * std::min(byte + 1, m_sizeBytes - 1);
    case HexMove::PreviousLine:
        return 2 * lineTarget(byte, -1) + keptNibble;
    case HexMove::NextLine:
        return 2 * lineTarget(byte, 1) + keptNibble;
    case HexMove::PreviousPage:
        return 2 * (byte - pageBytes < 0 ? byte % m_bytesPerRow : byte - pageBytes) + keptNibble;
    case HexMove::NextPage: {
        const qint64 lastRowStart = (m_sizeBytes - 1) / m_bytesPerRow * m_bytesPerRow;
        const qint64 target = std::min(byte + pageBytes, lastRowStart + byte % m_bytesPerRow);
        return 2 * std::min(target, m_sizeBytes - 1) + keptNibble;
    }
    case HexMove::StartOfLine:
        return 2 * rowStart;
    case HexMove::EndOfLine:
        return 2 * (std::min(rowStart + m_bytesPerRow, m_sizeBytes) - 1);
    case HexMove::StartOfDocument:
        return 0;
    case HexMove::EndOfDocument:
        return 2 * (m_sizeBytes - 1);
    }
    return m_posNibbles;
}

qint64 HexCursor::extendTarget(HexMove move, int pageRows) const
{
    const qint64 caret = offset();
    // The byte whose row Home and End refer to: the last selected byte when
    // the selection grows forwards, so that End twice stays put.
    const qint64 rowByte = caret > m_anchor ? caret - 1 : std::min(caret, m_sizeBytes - 1);
    const qint64 rowStart = rowByte - rowByte % m_bytesPerRow;
    const qint64 pageBytes = qint64(std::max(1, pageRows)) * m_bytesPerRow;
    switch (move) {
    case HexMove::PreviousChar:
        return std::max<qint64>(0, caret - 1);
    case HexMove::NextChar:
        return std::min(m_sizeBytes, caret + 1);
    case HexMove::PreviousLine:
        return std::max<qint64>(0, caret - m_bytesPerRow);
    case HexMove::NextLine:
        return std::min(m_sizeBytes, caret + m_bytesPerRow);
    case HexMove::PreviousPage:
        return std::max<qint64>(0, caret - pageBytes);
    case HexMove::NextPage:
        return std::min(m_sizeBytes, caret + pageBytes);
    case HexMove::StartOfLine:
        return rowStart;
    case HexMove::EndOfLine:
        return std::min(rowStart + m_bytesPerRow, m_sizeBytes);
    case HexMove::StartOfDocument:
        return 0;
    case HexMove::EndOfDocument:
        return m_sizeBytes;
    }
    return caret;
}

void HexCursor::select(qint64 start, qint64 length)
{
    if (m_sizeBytes == 0)
        return;
    start = std::clamp<qint64>(start, 0, m_sizeBytes - 1);
    const qint64 end = std::clamp<qint64>(start + std::max<qint64>(0, length), start, m_sizeBytes);
    m_anchor = start;
    m_posNibbles = 2 * end;
}

void HexCursor::advanceAfterTyping()
{
    clearSelection();
    if (m_sizeBytes == 0)
        return;
    if (m_pane == HexPane::Hex)
        m_posNibbles = std::min(m_posNibbles + 1, lastNibble());
    else
        m_posNibbles = 2 * std::min(offset() + 1, m_sizeBytes - 1);
}

void HexCursor::press(HexCell cell)
{
    moveTo(cell.offset, cell.nibble);
    m_pressOffset = frameOffset();
    m_pressNibble = nibble();
}

void HexCursor::dragTo(qint64 offset)
{
    if (m_sizeBytes == 0)
        return;
    offset = std::clamp<qint64>(offset, 0, m_sizeBytes - 1);
    if (offset == m_pressOffset) {
        moveTo(m_pressOffset, m_pressNibble);
    } else if (offset > m_pressOffset) {
        m_anchor = m_pressOffset;
        m_posNibbles = 2 * (offset + 1);
    } else {
        m_anchor = m_pressOffset + 1;
        m_posNibbles = 2 * offset;
    }
}

void HexCursor::extendTo(qint64 target)
{
    if (m_anchor == kNoAnchor) {
        m_pressOffset = frameOffset();
        m_pressNibble = nibble();
    } else {
        m_pressOffset = m_anchor <= offset() ? m_anchor : m_anchor - 1;
    }
    dragTo(target);
}
