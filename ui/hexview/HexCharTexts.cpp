#include "ui/hexview/HexCharTexts.h"

#include <QtGui/QFontMetricsF>
#include <QtGui/QPainter>

void HexCharTexts::draw(QPainter& painter, int x, int baseline, QChar c)
{
    // Text shows a format character (the soft hyphen) as nothing, a kept
    // layout would show it.
    if (c.category() == QChar::Other_Format) {
        painter.drawText(x, baseline, QString(c));
        return;
    }
    auto it = m_texts.find(c.unicode());
    if (it == m_texts.end()) {
        it = m_texts.insert(c.unicode(), QStaticText(QString(c)));
        it->setTextFormat(Qt::PlainText);
    }
    // A static text is placed by its top; its first line's baseline lies the
    // font's ascent below.
    const qreal ascent = QFontMetricsF(painter.font()).ascent();
    painter.drawStaticText(QPointF(x, baseline - ascent), *it);
}
