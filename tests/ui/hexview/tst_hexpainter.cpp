// What the hex view's painter draws, recorded as texts with their position
// and colour instead of pixels: which rows a repaint touches (so a large
// buffer costs no more than a small one), the ruler over its columns, and the
// colours of the digits, characters and offsets.

#include "ui/hexview/HexCharMap.h"
#include "ui/hexview/HexCharTexts.h"
#include "ui/hexview/HexPainter.h"

#include <QtGui/QPaintEngine>
#include <QtGui/QPainter>
#include <QtTest/QtTest>

#include <functional>

namespace {
constexpr HexMetrics kMetrics{8, 16, 12};
constexpr qint64 kRecordSize = 136;

struct DrawnText {
    QPoint pos; // the baseline's left end
    QString text;
    QColor color;
};

// Keeps every text item and the pen it was drawn with; draws nothing.
class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    QList<DrawnText> texts;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState& changed) override
    {
        if (changed.state() & QPaintEngine::DirtyPen)
            m_pen = changed.pen();
        if (changed.state() & QPaintEngine::DirtyTransform)
            m_transform = changed.transform();
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        texts.append({m_transform.map(p).toPoint(), item.text(), m_pen.color()});
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawRects(const QRectF*, int) override {}
    void drawRects(const QRect*, int) override {}
    void drawLines(const QLineF*, int) override {}
    void drawLines(const QLine*, int) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}

private:
    QPen m_pen;
    QTransform m_transform;
};

class RecordingDevice : public QPaintDevice {
public:
    explicit RecordingDevice(QSize size) : m_size(size) {}
    QPaintEngine* paintEngine() const override { return &m_engine; }
    const QList<DrawnText>& texts() const { return m_engine.texts; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 0;
        case PdmWidthMM:
            return m_size.width() / 4;
        case PdmHeightMM:
            return m_size.height() / 4;
        default: // the dots per inch of a plain screen
            return 96;
        }
    }

private:
    QSize m_size;
    mutable RecordingEngine m_engine;
};

// One buffer as the view would paint it, with the view's colour roles set to
// colours of their own so that every kind of text can be told apart.
struct Scene {
    explicit Scene(qint64 size) : bytes(size, '\0'), changed(size)
    {
        for (qint64 i = 0; i < size; ++i)
            bytes[i] = static_cast<char>(i);
        layout.setMetrics(kMetrics);
        layout.setSize(size);
        cursor.setSize(size);
        colors.background = Qt::white;
        colors.charText = QColor(1, 2, 3);
        colors.gutterBackground = Qt::lightGray;
        colors.currentOffsetBackground = Qt::darkGray;
        colors.currentOffsetText = QColor(250, 250, 250);
        colors.selectionBackground = QColor(50, 100, 200);
        colors.selectionText = QColor(240, 240, 241);
    }

    // The rows from `topRow` on, in a viewport `rows` rows high below the
    // ruler and as wide as a row.
    QList<DrawnText> paint(qint64 topRow, double rows, const QRect& dirty = {}) const
    {
        const QSize viewport(layout.contentWidthPx(),
                             layout.rulerHeightPx() + static_cast<int>(rows * kMetrics.lineHeightPx));
        const std::function<bool(qint64)> isChanged = [this](qint64 offset) { return changed.testBit(offset); };
        const HexPaintState state{.layout = layout,
                                  .bytes = bytes,
                                  .changed = isChanged,
                                  .cursor = cursor,
                                  .chars = chars,
                                  .texts = texts,
                                  .colors = colors,
                                  .focused = true,
                                  .topRow = topRow,
                                  .scrollXPx = 0,
                                  .viewportSize = viewport};
        RecordingDevice device(viewport);
        QPainter painter(&device);
        HexPainter(state).paint(painter, dirty.isNull() ? QRect(QPoint(0, 0), viewport) : dirty);
        painter.end();
        return device.texts();
    }

    QByteArray bytes;
    QBitArray changed;
    HexLayout layout;
    HexCursor cursor;
    HexCharMap chars = HexCharMap::latin1();
    mutable HexCharTexts texts;
    HexColors colors;
};

// The offset texts drawn in the gutter, top to bottom.
QStringList gutterTexts(const QList<DrawnText>& texts)
{
    QStringList offsets;
    for (const DrawnText& t : texts)
        if (t.text.startsWith(QStringLiteral("0x")))
            offsets.append(t.text);
    return offsets;
}

QStringList offsetsOfRows(qint64 firstRow, qint64 lastRow, int digits)
{
    QStringList offsets;
    for (qint64 row = firstRow; row <= lastRow; ++row)
        offsets.append(QStringLiteral("0x") + QString::number(row * 16, 16).toUpper().rightJustified(digits, u'0'));
    return offsets;
}

const DrawnText* textAt(const QList<DrawnText>& texts, QPoint pos)
{
    for (const DrawnText& t : texts)
        if (t.pos == pos)
            return &t;
    return nullptr;
}
} // namespace

class TestHexPainter : public QObject {
    Q_OBJECT

private slots:
    // A repaint draws the rows it touches and no others, however many rows
    // the buffer has: a whole view, one row (a keystroke), a row half shown.
    void paintsOnlyTheRowsItTouches_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<qint64>("topRow");
        QTest::addColumn<int>("dirtyRow"); // -1: the whole viewport
        QTest::addColumn<qint64>("firstRow");
        QTest::addColumn<qint64>("lastRow");
        QTest::addColumn<int>("textCount");
        constexpr qint64 kMiB = 1 << 20;
        constexpr int kRuler = 16 * 3;   // two digits over the hex pane, one over the characters
        constexpr int kRow = 1 + 16 * 3; // offset, two digits and a character per byte
        QTest::newRow("record, whole view") << kRecordSize << qint64(0) << -1 << qint64(0) << qint64(8)
                                            << kRuler + 8 * kRow + 1 + 8 * 3;
        QTest::newRow("1 MiB at the top") << kMiB << qint64(0) << -1 << qint64(0) << qint64(10) << kRuler + 11 * kRow;
        QTest::newRow("1 MiB in the middle") << kMiB << qint64(0x8000) << -1 << qint64(0x8000) << qint64(0x800A)
                                             << kRuler + 11 * kRow;
        QTest::newRow("1 MiB at the end") << kMiB << qint64(65536 - 10) << -1 << qint64(65526) << qint64(65535)
                                          << kRuler + 10 * kRow;
        QTest::newRow("1 MiB, one row") << kMiB << qint64(0x8000) << 3 << qint64(0x8003) << qint64(0x8003) << kRow;
        QTest::newRow("1 MiB, the half row") << kMiB << qint64(0x8000) << 10 << qint64(0x800A) << qint64(0x800A)
                                             << kRow;
    }
    void paintsOnlyTheRowsItTouches()
    {
        QFETCH(qint64, size);
        QFETCH(qint64, topRow);
        QFETCH(int, dirtyRow);
        QFETCH(qint64, firstRow);
        QFETCH(qint64, lastRow);
        QFETCH(int, textCount);
        Scene scene(size);
        const QRect dirty = dirtyRow < 0 ? QRect() : scene.layout.rowRect(topRow + dirtyRow, topRow);
        const QList<DrawnText> texts = scene.paint(topRow, 10.5, dirty);
        QCOMPARE(gutterTexts(texts), offsetsOfRows(firstRow, lastRow, scene.layout.offsetDigits()));
        QCOMPARE(texts.size(), textCount);
    }

    // The ruler numbers each column right above its digits and characters.
    void rulerStandsOverItsColumns()
    {
        Scene scene(kRecordSize);
        const QList<DrawnText> texts = scene.paint(0, 9);
        const HexLayout& layout = scene.layout;
        const int baseline = kMetrics.ascentPx;
        const QString digits = QStringLiteral("0123456789ABCDEF");
        for (int column = 0; column < 16; ++column) {
            const DrawnText* high = textAt(texts, {layout.hexNibbleXPx(column, 0), baseline});
            const DrawnText* low = textAt(texts, {layout.hexNibbleXPx(column, 1), baseline});
            const DrawnText* chars = textAt(texts, {layout.charColumnXPx(column), baseline});
            QVERIFY2(high && low && chars, qPrintable(QStringLiteral("column %1").arg(column)));
            QCOMPARE(high->text + low->text, QStringLiteral("0") + digits[column]);
            QCOMPARE(chars->text, QString(digits[column]));
            QCOMPARE(high->color, scene.colors.gutterText);
        }
    }

    void colorsOfTheTexts()
    {
        Scene scene(kRecordSize);
        scene.changed.setBit(0x49);
        scene.cursor.moveTo(0x21);
        const HexColors& c = scene.colors;
        const QList<DrawnText> texts = scene.paint(0, 9);
        const HexLayout& layout = scene.layout;
        const auto hexDigit = [&](qint64 offset) {
            const QRect cell = layout.hexByteRect(offset, 0);
            return textAt(texts, {cell.left(), cell.top() + kMetrics.ascentPx});
        };
        const auto character = [&](qint64 offset) {
            const QRect cell = layout.charByteRect(offset, 0);
            return textAt(texts, {cell.left(), cell.top() + kMetrics.ascentPx});
        };
        const auto gutter = [&](qint64 row) {
            return textAt(texts, {kMetrics.charWidthPx / 2, layout.rowYPx(row, 0) + kMetrics.ascentPx});
        };
        // Groups of four bytes alternate blue and navy, starting with blue on
        // every row.
        for (const qint64 offset : {0x00, 0x03, 0x04, 0x08, 0x0F, 0x10, 0x4A})
            QCOMPARE(hexDigit(offset)->color, c.groupText[(offset % 16) / 4 % 2]);
        QCOMPARE(c.groupText[0], QColor(0, 0, 255));
        QCOMPARE(c.groupText[1], QColor(0, 0, 128));
        // A changed byte is maroon in both panes.
        QCOMPARE(hexDigit(0x49)->color, QColor(128, 0, 0));
        QCOMPARE(character(0x49)->color, QColor(128, 0, 0));
        QCOMPARE(character(0x48)->color, c.charText);
        // The caret's row offset in button highlight, the others in black.
        QCOMPARE(gutter(2)->text, QStringLiteral("0x20"));
        QCOMPARE(gutter(2)->color, c.currentOffsetText);
        QCOMPARE(gutter(3)->color, QColor(Qt::black));
    }
};

QTEST_MAIN(TestHexPainter)
#include "tst_hexpainter.moc"
