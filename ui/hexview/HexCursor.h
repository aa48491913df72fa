#pragma once
// The caret and the selection of the hex view, counted in nibbles
// (1 byte == 2 nibbles), with no widget behind it.
//
// The caret sits on a byte (and, in the hex pane, on one of its half-bytes).
// A selection runs between byte boundaries, from the anchor to the caret:
// Shift+Right on byte 0 selects byte 0 and puts the caret on byte 1. While a
// selection is being extended the caret may stand on the boundary after the
// last byte (offset() == size()); plain moves keep it on a byte.

#include "ui/hexview/HexLayout.h"

#include <QtCore/QtGlobal>

// Bytes [start, start + length).
struct HexRange {
    qint64 start = 0;
    qint64 length = 0;
    qint64 end() const { return start + length; }
    bool isEmpty() const { return length <= 0; }
    bool contains(qint64 offset) const { return offset >= start && offset < end(); }
    friend bool operator==(const HexRange&, const HexRange&) = default;
};

enum class HexMove {
    PreviousChar, // one nibble in the hex pane, one byte in the character pane
    NextChar,
    PreviousLine,
    NextLine,
    PreviousPage,
    NextPage,
    StartOfLine,
    EndOfLine,
    StartOfDocument,
    EndOfDocument,
};

class HexCursor {
public:
    explicit HexCursor(int bytesPerRow = HexLayout::kDefaultBytesPerRow);

    // Clears the selection and pulls the caret back inside the new size.
    void setSize(qint64 sizeBytes);
    void setBytesPerRow(int bytesPerRow);
    qint64 size() const { return m_sizeBytes; }

    HexPane pane() const { return m_pane; }
    // The caret keeps its byte; in the character pane it has no half-byte.
    void setPane(HexPane pane);
    void togglePane() { setPane(m_pane == HexPane::Hex ? HexPane::Chars : HexPane::Hex); }

    // The byte the caret is on, size() only at the end of a selection.
    qint64 offset() const { return m_posNibbles / 2; }
    int nibble() const { return static_cast<int>(m_posNibbles % 2); }
    // The byte to frame: offset() pulled back onto the last byte.
    qint64 frameOffset() const;

    bool hasSelection() const { return !selection().isEmpty(); }
    // Empty when nothing is selected.
    HexRange selection() const;

    // Puts the caret on a byte (clamped into the buffer), no selection; the
    // half-byte is clamped to 0 (high) or 1 (low), and is 0 in the character
    // pane.
    void moveTo(qint64 offset, int nibble = 0);
    // One key's move; `extend` (Shift) grows the selection by whole bytes.
    void move(HexMove move, bool extend, int pageRows);
    void selectAll() { select(0, m_sizeBytes); }
    // Selects [start, start + length), clamped; the caret goes to its end.
    void select(qint64 start, qint64 length);
    void clearSelection() { m_anchor = kNoAnchor; }

    // After a half-byte was typed: on to the next half-byte (hex pane) or
    // byte (character pane), staying on the last byte at the end.
    void advanceAfterTyping();

    // Mouse: a press puts the caret on the byte; dragging to another byte
    // selects both bytes and all between them.
    void press(HexCell cell);
    void dragTo(qint64 offset);
    // Shift+click: as if the press had been on the selection's first byte
    // (or the caret's byte) and dragged to `target`.
    void extendTo(qint64 target);

private:
    static constexpr qint64 kNoAnchor = -1;

    qint64 lastNibble() const { return m_sizeBytes == 0 ? 0 : 2 * m_sizeBytes - 1; }
    qint64 plainTarget(HexMove move, int pageRows) const;
    qint64 extendTarget(HexMove move, int pageRows) const;
    qint64 lineTarget(qint64 fromByte, qint64 rows) const;

    int m_bytesPerRow;
    qint64 m_sizeBytes = 0;
    qint64 m_posNibbles = 0;
    qint64 m_anchor = kNoAnchor; // byte boundary, or kNoAnchor
    qint64 m_pressOffset = 0;
    int m_pressNibble = 0;
    HexPane m_pane = HexPane::Hex;
};
