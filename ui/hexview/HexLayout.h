#pragma once
// Geometry of the hex view, with no widget behind it: which row and column a
// byte takes, where its cells lie in pixels and which byte a pixel hits.
//
// The view reads, from left to right: the offset gutter ("0x" and the row's
// first offset), the hex pane (two digits per byte, a narrow blank between
// bytes, twice as wide between groups) and the character pane (one character
// per byte). The blanks are fractions of a character cell, so that 16 bytes
// to a row with their characters fit a window about 560 pixels wide. A ruler
// row above them numbers the columns. x coordinates are content
// coordinates (before horizontal scrolling); y coordinates are viewport
// coordinates for a given first visible row, so a 1 MiB buffer never needs
// pixel values beyond the viewport.

#include <QtCore/QPoint>
#include <QtCore/QRect>
#include <QtCore/QString>
#include <QtCore/QtGlobal>

enum class HexPane { Hex, Chars };

// What the font gives: every character cell is charWidthPx wide.
struct HexMetrics {
    int charWidthPx = 8;
    int lineHeightPx = 16;
    int ascentPx = 12;
};

// A byte as hit by the mouse: nibble 0 is the high half-byte (always 0 in the
// character pane).
struct HexCell {
    qint64 offset = 0;
    int nibble = 0;
};

class HexLayout {
public:
    static constexpr int kDefaultBytesPerRow = 16;
    static constexpr int kDefaultBytesPerGroup = 4;

    // Values below 1 count as 1.
    explicit HexLayout(int bytesPerRow = kDefaultBytesPerRow, int bytesPerGroup = kDefaultBytesPerGroup);

    void setSize(qint64 sizeBytes);
    void setMetrics(const HexMetrics& metrics) { m_metrics = metrics; }
    void setBytesPerRow(int bytesPerRow);
    void setBytesPerGroup(int bytesPerGroup);

    qint64 size() const { return m_sizeBytes; }
    const HexMetrics& metrics() const { return m_metrics; }
    int bytesPerRow() const { return m_bytesPerRow; }
    int bytesPerGroup() const { return m_bytesPerGroup; }

    // --- rows and columns ---------------------------------------------------
    // Rows holding at least one byte: 136 bytes take 9 rows, 0 bytes none.
    qint64 rowCount() const;
    qint64 rowOf(qint64 offset) const { return offset / m_bytesPerRow; }
    int columnOf(qint64 offset) const { return static_cast<int>(offset % m_bytesPerRow); }
    qint64 rowStart(qint64 row) const { return row * m_bytesPerRow; }
    int groupOf(int column) const { return column / m_bytesPerGroup; }

    // Hex digits of the largest row offset shown (at least 1): 2 for 0x80.
    int offsetDigits() const;
    // The gutter text of a row: "0x" + upper-case digits, offsetDigits() wide.
    QString offsetText(qint64 row) const;

    // --- x (content coordinates) ----------------------------------------------
    int gutterWidthPx() const;
    // Where the offset text starts in the gutter.
    int gutterTextXPx() const;
    int hexColumnXPx(int column) const;
    int hexNibbleXPx(int column, int nibble) const { return hexColumnXPx(column) + nibble * cw(); }
    int hexPaneEndXPx() const;
    int charColumnXPx(int column) const;
    int contentWidthPx() const;

    // --- y (viewport coordinates) ------------------------------------------------
    int rulerHeightPx() const { return m_metrics.lineHeightPx; }
    int rowYPx(qint64 row, qint64 topRow) const;
    // Rows that fit whole below the ruler; at least 1.
    int visibleRowCount(int viewportHeightPx) const;

    // --- cells ---------------------------------------------------------------------
    QRect rowRect(qint64 row, qint64 topRow) const;
    QRect hexByteRect(qint64 offset, qint64 topRow) const;
    QRect hexNibbleRect(qint64 offset, int nibble, qint64 topRow) const;
    QRect charByteRect(qint64 offset, qint64 topRow) const;

    // The pane a content x lies in; the boundary is the middle of the gap.
    HexPane paneAt(int xPx) const;
    // The byte of `pane` nearest to a point, clamped to the bytes that exist
    // (a point in the ruler takes the top row, one below the last row the last
    // row). Offset 0 when the buffer is empty.
    HexCell cellAt(QPoint contentPos, qint64 topRow, HexPane pane) const;

private:
    int cw() const { return m_metrics.charWidthPx; }
    // A blank of `quarters` quarter cells, rounded to whole pixels.
    int spacePx(int quarters) const;
    int hexColumnAt(int xPx, int* nibble) const;
    int charColumnAt(int xPx) const;

    int m_bytesPerRow;
    int m_bytesPerGroup;
    qint64 m_sizeBytes = 0;
    HexMetrics m_metrics;
};
