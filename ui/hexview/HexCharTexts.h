#pragma once
// The single characters the hex view draws (hex digits and the characters
// pane), each laid out once and then drawn from its layout. Drawing a
// character as plain text shapes it anew every time, and a record's repaint
// draws four hundred of them. A layout made for another font is made again.

#include <QtCore/QHash>
#include <QtGui/QStaticText>

class QPainter;

class HexCharTexts {
public:
    // Draws `c` in the painter's font and pen with its baseline's left end
    // at (x, baseline), where drawText(x, baseline, c) would put it.
    void draw(QPainter& painter, int x, int baseline, QChar c);

private:
    QHash<char16_t, QStaticText> m_texts;
};
