#include "ui/hexview/HexLayout.h"

#include <algorithm>

namespace {
// Blank space around and between the parts of a row, in quarters of a
// character cell: tight enough that a row of 16 bytes with its characters
// fits a narrow window, wide enough that bytes, groups and panes stay apart.
constexpr int kGutterPadQuarters = 2;   // each side of the offset
constexpr int kPaneGapQuarters = 2;     // gutter to hex pane
constexpr int kByteGapQuarters = 3;     // between two bytes
constexpr int kGroupGapQuarters = 3;    // added between two groups
constexpr int kCharPaneGapQuarters = 8; // hex pane to character pane
constexpr int kRightPadQuarters = 2;
} // namespace

HexLayout::HexLayout(int bytesPerRow, int bytesPerGroup)
    : m_bytesPerRow(std::max(1, bytesPerRow))
    , m_bytesPerGroup(std::max(1, bytesPerGroup))
{
}

void HexLayout::setSize(qint64 sizeBytes) { m_sizeBytes = std::max<qint64>(0, sizeBytes); }
void HexLayout::setBytesPerRow(int bytesPerRow) { m_bytesPerRow = std::max(1, bytesPerRow); }
void HexLayout::setBytesPerGroup(int bytesPerGroup) { m_bytesPerGroup = std::max(1, bytesPerGroup); }

qint64 HexLayout::rowCount() const { return (m_sizeBytes + m_bytesPerRow - 1) / m_bytesPerRow; }

int HexLayout::offsetDigits() const
{
    qint64 largest = rowStart(std::max<qint64>(0, rowCount() - 1));
    int digits = 1;
    while (largest >= 16) {
        largest /= 16;
        ++digits;
    }
    return digits;
}

QString HexLayout::offsetText(qint64 row) const
{
    return QStringLiteral("0x") + QString::number(rowStart(row), 16).toUpper().rightJustified(offsetDigits(), u'0');
}

int HexLayout::spacePx(int quarters) const { return (quarters * cw() + 2) / 4; }

int HexLayout::gutterTextXPx() const { return spacePx(kGutterPadQuarters); }

int HexLayout::gutterWidthPx() const { return (2 + offsetDigits()) * cw() + 2 * spacePx(kGutterPadQuarters); }

int HexLayout::hexColumnXPx(int column) const
{
    return gutterWidthPx() + spacePx(kPaneGapQuarters) + column * (2 * cw() + spacePx(kByteGapQuarters)) +
           groupOf(column) * spacePx(kGroupGapQuarters);
}

int HexLayout::hexPaneEndXPx() const { return hexColumnXPx(m_bytesPerRow - 1) + 2 * cw(); }

int HexLayout::charColumnXPx(int column) const
{
    return hexPaneEndXPx() + spacePx(kCharPaneGapQuarters) + column * cw();
}

int HexLayout::contentWidthPx() const { return charColumnXPx(m_bytesPerRow) + spacePx(kRightPadQuarters); }

int HexLayout::rowYPx(qint64 row, qint64 topRow) const
{
    return rulerHeightPx() + static_cast<int>(row - topRow) * m_metrics.lineHeightPx;
}

int HexLayout::visibleRowCount(int viewportHeightPx) const
{
    return std::max(1, (viewportHeightPx - rulerHeightPx()) / std::max(1, m_metrics.lineHeightPx));
}

QRect HexLayout::rowRect(qint64 row, qint64 topRow) const
{
    return QRect(0, rowYPx(row, topRow), contentWidthPx(), m_metrics.lineHeightPx);
}

QRect HexLayout::hexByteRect(qint64 offset, qint64 topRow) const
{
    return QRect(hexColumnXPx(columnOf(offset)), rowYPx(rowOf(offset), topRow), 2 * cw(), m_metrics.lineHeightPx);
}

QRect HexLayout::hexNibbleRect(qint64 offset, int nibble, qint64 topRow) const
{
    return QRect(hexNibbleXPx(columnOf(offset), nibble), rowYPx(rowOf(offset), topRow), cw(),
                 m_metrics.lineHeightPx);
}

QRect HexLayout::charByteRect(qint64 offset, qint64 topRow) const
{
    return QRect(charColumnXPx(columnOf(offset)), rowYPx(rowOf(offset), topRow), cw(), m_metrics.lineHeightPx);
}

HexPane HexLayout::paneAt(int xPx) const
{
    return xPx < hexPaneEndXPx() + spacePx(kCharPaneGapQuarters) / 2 ? HexPane::Hex : HexPane::Chars;
}

int HexLayout::hexColumnAt(int xPx, int* nibble) const
{
    // A byte's cell reaches to the middle of the blanks on either side.
    int column = 0;
    while (column + 1 < m_bytesPerRow && xPx >= (hexColumnXPx(column) + 2 * cw() + hexColumnXPx(column + 1)) / 2)
        ++column;
    *nibble = xPx >= hexColumnXPx(column) + cw() ? 1 : 0;
    return column;
}

int HexLayout::charColumnAt(int xPx) const
{
    const int column = (xPx - charColumnXPx(0)) / std::max(1, cw());
    return std::clamp(column, 0, m_bytesPerRow - 1);
}

HexCell HexLayout::cellAt(QPoint contentPos, qint64 topRow, HexPane pane) const
{
    if (m_sizeBytes == 0)
        return {};
    const qint64 rowsDown = std::max(0, contentPos.y() - rulerHeightPx()) / std::max(1, m_metrics.lineHeightPx);
    const qint64 row = std::clamp<qint64>(topRow + rowsDown, 0, rowCount() - 1);
    HexCell cell;
    const int column = pane == HexPane::Hex ? hexColumnAt(contentPos.x(), &cell.nibble) : charColumnAt(contentPos.x());
    cell.offset = rowStart(row) + column;
    if (cell.offset >= m_sizeBytes) {
        cell.offset = m_sizeBytes - 1;
        cell.nibble = 0;
    }
    return cell;
}
