// Geometry of the hex view without a widget: rows, offset texts and the
// pixel <-> byte mapping.

#include "ui/hexview/HexLayout.h"

#include <QtTest/QtTest>

namespace {
constexpr HexMetrics kMetrics{8, 16, 12};

HexLayout layoutOf(qint64 size)
{
    HexLayout layout;
    layout.setMetrics(kMetrics);
    layout.setSize(size);
    return layout;
}

QPoint centerOf(const QRect& r) { return r.center(); }
} // namespace

class TestHexLayout : public QObject {
    Q_OBJECT

private slots:
    void rowsAndOffsetTexts_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<qint64>("rows");
        QTest::addColumn<QString>("firstRowText");
        QTest::addColumn<QString>("lastRowText");
        QTest::newRow("empty") << qint64(0) << qint64(0) << "0x0" << "0x0";
        QTest::newRow("one row") << qint64(16) << qint64(1) << "0x0" << "0x0";
        QTest::newRow("one byte more") << qint64(17) << qint64(2) << "0x00" << "0x10";
        QTest::newRow("legacy record") << qint64(116) << qint64(8) << "0x00" << "0x70";
        QTest::newRow("ROYL record") << qint64(136) << qint64(9) << "0x00" << "0x80";
        QTest::newRow("three digits") << qint64(257) << qint64(17) << "0x000" << "0x100";
        QTest::newRow("1 MiB") << qint64(1 << 20) << qint64(65536) << "0x00000" << "0xFFFF0";
    }
    void rowsAndOffsetTexts()
    {
        QFETCH(qint64, size);
        QFETCH(qint64, rows);
        QFETCH(QString, firstRowText);
        QFETCH(QString, lastRowText);
        const HexLayout layout = layoutOf(size);
        QCOMPARE(layout.rowCount(), rows);
        QCOMPARE(layout.offsetText(0), firstRowText);
        QCOMPARE(layout.offsetText(std::max<qint64>(0, rows - 1)), lastRowText);
    }

    // Bytes, groups and panes stay apart however narrow the blanks, for fonts
    // of several widths: a byte's two digits touch, the next byte keeps a
    // blank, a group a wider one and the character pane the widest.
    void groupsAndPanesAreSetApart_data()
    {
        QTest::addColumn<int>("charWidth");
        QTest::newRow("7 px") << 7;
        QTest::newRow("8 px") << 8;
        QTest::newRow("9 px") << 9;
    }
    void groupsAndPanesAreSetApart()
    {
        QFETCH(int, charWidth);
        HexLayout layout = layoutOf(136);
        layout.setMetrics({charWidth, 16, 12});
        const int cw = charWidth;
        const int byteGap = layout.hexColumnXPx(1) - layout.hexColumnXPx(0) - 2 * cw;
        const int groupGap = layout.hexColumnXPx(4) - layout.hexColumnXPx(3) - 2 * cw;
        const int paneGap = layout.charColumnXPx(0) - layout.hexPaneEndXPx();
        QCOMPARE(layout.hexNibbleXPx(0, 1) - layout.hexNibbleXPx(0, 0), cw);
        QVERIFY(byteGap > 0);
        QVERIFY(groupGap > byteGap);
        QVERIFY(paneGap > groupGap);
        for (int column = 1; column < 16; ++column) {
            const int step = layout.hexColumnXPx(column) - layout.hexColumnXPx(column - 1) - 2 * cw;
            QCOMPARE(step, column % 4 == 0 ? groupGap : byteGap);
        }
        QCOMPARE(layout.groupOf(3), 0);
        QCOMPARE(layout.groupOf(4), 1);
        // The offset text lies inside the gutter, the hex pane right of it.
        QVERIFY(layout.gutterTextXPx() >= 0);
        QVERIFY(layout.gutterTextXPx() + 4 * cw <= layout.gutterWidthPx());
        QVERIFY(layout.hexColumnXPx(0) > layout.gutterWidthPx());
        QCOMPARE(layout.hexPaneEndXPx(), layout.hexColumnXPx(15) + 2 * cw);
        QCOMPARE(layout.charColumnXPx(15) - layout.charColumnXPx(0), 15 * cw);
        QVERIFY(layout.contentWidthPx() >= layout.charColumnXPx(15) + cw);
    }

    // With the character cell of a 13-pixel fixed font (8 pixels), a row of
    // 16 bytes with its gutter and characters fits 565 pixels.
    void sixteenBytesFitANarrowWindow_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::newRow("ROYL record") << qint64(136);
        QTest::newRow("legacy record") << qint64(116);
    }
    void sixteenBytesFitANarrowWindow()
    {
        QFETCH(qint64, size);
        QVERIFY(layoutOf(size).contentWidthPx() <= 565);
    }

    // Every byte's own cell hits that byte, in both panes and from any first
    // visible row.
    void everyCellHitsItsByte()
    {
        const HexLayout layout = layoutOf(136);
        for (const qint64 top : {qint64(0), qint64(3)}) {
            for (qint64 offset = top * 16; offset < 136; ++offset) {
                const QRect hex = layout.hexByteRect(offset, top);
                QCOMPARE(layout.paneAt(hex.center().x()), HexPane::Hex);
                const HexCell high = layout.cellAt(layout.hexNibbleRect(offset, 0, top).center(), top, HexPane::Hex);
                const HexCell low = layout.cellAt(layout.hexNibbleRect(offset, 1, top).center(), top, HexPane::Hex);
                QCOMPARE(high.offset, offset);
                QCOMPARE(high.nibble, 0);
                QCOMPARE(low.offset, offset);
                QCOMPARE(low.nibble, 1);
                const QRect chars = layout.charByteRect(offset, top);
                QCOMPARE(layout.paneAt(chars.center().x()), HexPane::Chars);
                QCOMPARE(layout.cellAt(centerOf(chars), top, HexPane::Chars).offset, offset);
            }
        }
    }

    void pointsOutsideTheBytesAreClamped()
    {
        const HexLayout layout = layoutOf(136);
        const QRect last = layout.hexByteRect(135, 0);
        // Right of the short last row, below it, in the ruler, left of the pane.
        QCOMPARE(layout.cellAt(QPoint(layout.hexColumnXPx(14), last.center().y()), 0, HexPane::Hex).offset, 135);
        QCOMPARE(layout.cellAt(QPoint(last.center().x(), last.bottom() + 100), 0, HexPane::Hex).offset, 135);
        QCOMPARE(layout.cellAt(QPoint(last.center().x(), 2), 2, HexPane::Hex).offset, 32 + 7);
        QCOMPARE(layout.cellAt(QPoint(0, last.center().y()), 0, HexPane::Hex).offset, 128);
        QCOMPARE(layoutOf(0).cellAt(QPoint(50, 50), 0, HexPane::Hex).offset, 0);
    }

    // The gap between two bytes is split in the middle.
    void gapBetweenBytesIsSplit()
    {
        const HexLayout layout = layoutOf(32);
        const int y = layout.rowYPx(0, 0) + 4;
        const int endOfFirst = layout.hexColumnXPx(0) + 2 * kMetrics.charWidthPx;
        QCOMPARE(layout.cellAt(QPoint(endOfFirst + 2, y), 0, HexPane::Hex).offset, 0);
        QCOMPARE(layout.cellAt(QPoint(endOfFirst + 5, y), 0, HexPane::Hex).offset, 1);
    }

    void visibleRows()
    {
        const HexLayout layout = layoutOf(136);
        QCOMPARE(layout.visibleRowCount(16 + 10 * 16), 10);
        QCOMPARE(layout.visibleRowCount(16 + 10 * 16 - 1), 9);
        QCOMPARE(layout.visibleRowCount(0), 1);
        QCOMPARE(layout.rowYPx(5, 5), layout.rulerHeightPx());
    }
};

QTEST_GUILESS_MAIN(TestHexLayout)
#include "tst_hexlayout.moc"
