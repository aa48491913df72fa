#include "ui/hexview/HexPainter.h"

#include "ui/hexview/HexCharMap.h"
#include "ui/hexview/HexCharTexts.h"

#include <QtGui/QPainter>

#include <algorithm>

namespace {
constexpr char kDigits[] = "0123456789ABCDEF";

QChar digit(int value) { return QLatin1Char(kDigits[value & 0xF]); }
} // namespace

void HexPainter::paint(QPainter& painter, const QRect& dirty) const
{
    const HexLayout& layout = m_s.layout;
    const int lineHeight = std::max(1, layout.metrics().lineHeightPx);
    painter.fillRect(dirty, m_s.colors.background);
    painter.save();
    painter.translate(-m_s.scrollXPx, 0);
    // 1. The gutter runs down to the bottom, also below the last row.
    painter.fillRect(QRect(0, 0, layout.gutterWidthPx(), m_s.viewportSize.height()), m_s.colors.gutterBackground);
    // 2. The rows that meet the dirty rectangle.
    const qint64 first = m_s.topRow + std::max(0, dirty.top() - layout.rulerHeightPx()) / lineHeight;
    const qint64 last = std::min(layout.rowCount() - 1,
                                 m_s.topRow + std::max(0, dirty.bottom() - layout.rulerHeightPx()) / lineHeight);
    for (qint64 row = first; row <= last; ++row)
        paintRow(painter, row);
    paintFrame(painter);
    // 3. The ruler last: it covers a row scrolled half under it.
    if (dirty.top() < layout.rulerHeightPx())
        paintRuler(painter);
    painter.restore();
}

void HexPainter::paintRuler(QPainter& painter) const
{
    const HexLayout& layout = m_s.layout;
    const int width = std::max(layout.contentWidthPx(), m_s.viewportSize.width() + m_s.scrollXPx);
    painter.fillRect(QRect(0, 0, width, layout.rulerHeightPx()), m_s.colors.gutterBackground);
    painter.setPen(m_s.colors.gutterText);
    const int baseline = layout.metrics().ascentPx;
    for (int column = 0; column < layout.bytesPerRow(); ++column) {
        m_s.texts.draw(painter, layout.hexNibbleXPx(column, 0), baseline, digit(column >> 4));
        m_s.texts.draw(painter, layout.hexNibbleXPx(column, 1), baseline, digit(column));
        m_s.texts.draw(painter, layout.charColumnXPx(column), baseline, digit(column));
    }
}

void HexPainter::paintRow(QPainter& painter, qint64 row) const
{
    const HexLayout& layout = m_s.layout;
    const int y = layout.rowYPx(row, m_s.topRow);
    paintGutterCell(painter, row, y);
    const int baseline = y + layout.metrics().ascentPx;
    const qint64 end = std::min(layout.rowStart(row + 1), layout.size());
    for (qint64 offset = layout.rowStart(row); offset < end; ++offset) {
        paintHexByte(painter, offset, baseline);
        paintCharByte(painter, offset, baseline);
    }
}

void HexPainter::paintGutterCell(QPainter& painter, qint64 row, int yPx) const
{
    const HexLayout& layout = m_s.layout;
    const bool current = layout.rowOf(m_s.cursor.frameOffset()) == row;
    if (current) {
        painter.fillRect(QRect(0, yPx, layout.gutterWidthPx(), layout.metrics().lineHeightPx),
                         m_s.colors.currentOffsetBackground);
    }
    painter.setPen(current ? m_s.colors.currentOffsetText : m_s.colors.gutterText);
    painter.drawText(layout.gutterTextXPx(), yPx + layout.metrics().ascentPx, layout.offsetText(row));
}

bool HexPainter::byteColors(qint64 offset, QColor* background, QColor* text, const QColor& plainText) const
{
    if (m_s.cursor.selection().contains(offset)) {
        *background = m_s.colors.selectionBackground;
        *text = m_s.colors.selectionText;
        return true;
    }
    if (m_s.changed(offset)) {
        *background = m_s.colors.changedBackground;
        *text = m_s.colors.changedText;
        return true;
    }
    *text = plainText;
    return false;
}

void HexPainter::paintHexByte(QPainter& painter, qint64 offset, int baselinePx) const
{
    const HexLayout& layout = m_s.layout;
    const int column = layout.columnOf(offset);
    QColor background;
    QColor text;
    if (byteColors(offset, &background, &text, m_s.colors.groupText[layout.groupOf(column) % 2])) {
        QRect cell = layout.hexByteRect(offset, m_s.topRow);
        // A selection runs on through the blanks between its bytes.
        if (column + 1 < layout.bytesPerRow() && m_s.cursor.selection().contains(offset + 1))
            cell.setRight(layout.hexColumnXPx(column + 1) - 1);
        painter.fillRect(cell, background);
    }
    painter.setPen(text);
    const int value = static_cast<quint8>(m_s.bytes[offset]);
    m_s.texts.draw(painter, layout.hexNibbleXPx(column, 0), baselinePx, digit(value >> 4));
    m_s.texts.draw(painter, layout.hexNibbleXPx(column, 1), baselinePx, digit(value));
}

void HexPainter::paintCharByte(QPainter& painter, qint64 offset, int baselinePx) const
{
    const HexLayout& layout = m_s.layout;
    QColor background;
    QColor text;
    if (byteColors(offset, &background, &text, m_s.colors.charText))
        painter.fillRect(layout.charByteRect(offset, m_s.topRow), background);
    painter.setPen(text);
    m_s.texts.draw(painter, layout.charColumnXPx(layout.columnOf(offset)), baselinePx,
                   m_s.chars.displayChar(static_cast<quint8>(m_s.bytes[offset])));
}

// The caret's pane frames the half-byte or character; the other pane frames
// the same byte with a dotted line.
void HexPainter::paintFrame(QPainter& painter) const
{
    const HexLayout& layout = m_s.layout;
    if (layout.size() == 0)
        return;
    const qint64 offset = m_s.cursor.frameOffset();
    const bool inHex = m_s.cursor.pane() == HexPane::Hex;
    const QRect active = inHex ? layout.hexNibbleRect(offset, m_s.cursor.nibble(), m_s.topRow)
                               : layout.charByteRect(offset, m_s.topRow);
    const QRect other = inHex ? layout.charByteRect(offset, m_s.topRow) : layout.hexByteRect(offset, m_s.topRow);
    const QColor color = m_s.focused ? m_s.colors.frameFocused : m_s.colors.frameUnfocused;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(color, 1, Qt::SolidLine));
    painter.drawRect(active.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(color, 1, Qt::DotLine));
    painter.drawRect(other.adjusted(0, 0, -1, -1));
}
