#pragma once
// Paints the hex view: the ruler, and for every row the offset gutter, the
// hex digits and the characters, then the caret's frame. It paints only the
// rows that meet the dirty rectangle, so typing a byte repaints one row.

#include "ui/hexview/HexColors.h"
#include "ui/hexview/HexCursor.h"
#include "ui/hexview/HexLayout.h"

#include <QtCore/QByteArrayView>
#include <QtCore/QRect>
#include <QtCore/QSize>

#include <functional>

class HexCharMap;
class HexCharTexts;
class QPainter;

struct HexPaintState {
    const HexLayout& layout;
    QByteArrayView bytes;
    const std::function<bool(qint64)>& changed; // whether the user changed the byte
    const HexCursor& cursor;
    const HexCharMap& chars;
    HexCharTexts& texts; // kept by the view from paint to paint
    const HexColors& colors;
    bool focused = false;
    qint64 topRow = 0;
    int scrollXPx = 0;
    QSize viewportSize;
};

class HexPainter {
public:
    explicit HexPainter(const HexPaintState& state) : m_s(state) {}

    // `dirty` is in viewport coordinates.
    void paint(QPainter& painter, const QRect& dirty) const;

private:
    void paintRuler(QPainter& painter) const;
    void paintRow(QPainter& painter, qint64 row) const;
    void paintGutterCell(QPainter& painter, qint64 row, int yPx) const;
    void paintHexByte(QPainter& painter, qint64 offset, int baselinePx) const;
    void paintCharByte(QPainter& painter, qint64 offset, int baselinePx) const;
    void paintFrame(QPainter& painter) const;
    // Background and text colour of a byte; no background when it is plain.
    bool byteColors(qint64 offset, QColor* background, QColor* text, const QColor& plainText) const;

    const HexPaintState& m_s;
};
