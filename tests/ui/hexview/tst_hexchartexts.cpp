// A character drawn from its kept layout lands on the same pixels as the
// same character drawn as text, for every character the characters pane can
// show (the soft hyphen among them, which text shows as nothing), in a
// fixed-pitch font at three sizes and three screen scales, and again after the
// painter's font changes under the kept layouts.

#include "ui/hexview/HexCharTexts.h"

#include <QtGui/QFontDatabase>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtTest/QtTest>

#include <functional>

class TestHexCharTexts : public QObject {
    Q_OBJECT

private slots:
    void keptLayoutsDrawLikeText_data();
    void keptLayoutsDrawLikeText();
};

namespace {
QImage drawn(const QFont& font, const std::function<void(QPainter&, int x, int baseline, QChar)>& draw, qreal ratio)
{
    QImage image(QSize(16 * 12 + 8, 16 * 20 + 8) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 128));
    for (int code = 0; code < 256; ++code)
        draw(painter, 4 + code % 16 * 12, 16 + code / 16 * 20, QChar(code < 0x20 ? u'.' : char16_t(code)));
    painter.end();
    return image;
}
} // namespace

void TestHexCharTexts::keptLayoutsDrawLikeText_data()
{
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<qreal>("ratio");
    for (const qreal ratio : {1.0, 1.5, 2.0})
        for (const int size : {11, 13, 16})
            QTest::addRow("%d px at %g", size, ratio) << size << ratio;
}

void TestHexCharTexts::keptLayoutsDrawLikeText()
{
    QFETCH(int, pixelSize);
    QFETCH(qreal, ratio);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(pixelSize);
    QFont other = font;
    other.setPixelSize(pixelSize + 3);

    HexCharTexts texts;
    const auto asText = [](QPainter& p, int x, int baseline, QChar c) { p.drawText(x, baseline, QString(c)); };
    const auto kept = [&texts](QPainter& p, int x, int baseline, QChar c) { texts.draw(p, x, baseline, c); };
    QCOMPARE(drawn(font, kept, ratio), drawn(font, asText, ratio));
    QCOMPARE(drawn(other, kept, ratio), drawn(other, asText, ratio));
    QCOMPARE(drawn(font, kept, ratio), drawn(font, asText, ratio));
}

QTEST_MAIN(TestHexCharTexts)
#include "tst_hexchartexts.moc"
