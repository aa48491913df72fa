// The hex view's caret and selection: keyboard moves, typing advance and
// mouse selection on a 136-byte buffer (9 rows, the last one 8 bytes long).

#include "ui/hexview/HexCursor.h"

#include <QtTest/QtTest>

Q_DECLARE_METATYPE(HexMove)
Q_DECLARE_METATYPE(HexPane)

namespace {
constexpr qint64 kSize = 136;
constexpr int kPageRows = 4;

HexCursor cursorAt(qint64 offset, int nibble, HexPane pane)
{
    HexCursor cursor;
    cursor.setSize(kSize);
    cursor.setPane(pane);
    cursor.moveTo(offset, nibble);
    return cursor;
}
} // namespace

class TestHexCursor : public QObject {
    Q_OBJECT

private slots:
    void plainMoves_data()
    {
        QTest::addColumn<HexPane>("pane");
        QTest::addColumn<qint64>("offset");
        QTest::addColumn<int>("nibble");
        QTest::addColumn<HexMove>("move");
        QTest::addColumn<qint64>("expectedOffset");
        QTest::addColumn<int>("expectedNibble");
        const HexPane hex = HexPane::Hex;
        const HexPane chars = HexPane::Chars;
        QTest::newRow("right by half-byte") << hex << qint64(5) << 0 << HexMove::NextChar << qint64(5) << 1;
        QTest::newRow("right to next byte") << hex << qint64(5) << 1 << HexMove::NextChar << qint64(6) << 0;
        QTest::newRow("left to low nibble") << hex << qint64(5) << 0 << HexMove::PreviousChar << qint64(4) << 1;
        QTest::newRow("left at start") << hex << qint64(0) << 0 << HexMove::PreviousChar << qint64(0) << 0;
        QTest::newRow("right at end") << hex << qint64(135) << 1 << HexMove::NextChar << qint64(135) << 1;
        QTest::newRow("chars right by byte") << chars << qint64(5) << 0 << HexMove::NextChar << qint64(6) << 0;
        QTest::newRow("chars right at end") << chars << qint64(135) << 0 << HexMove::NextChar << qint64(135) << 0;
        QTest::newRow("down keeps column") << hex << qint64(0x13) << 1 << HexMove::NextLine << qint64(0x23) << 1;
        QTest::newRow("down into short row") << hex << qint64(0x7A) << 0 << HexMove::NextLine << qint64(135) << 0;
        QTest::newRow("down on last row") << hex << qint64(0x82) << 0 << HexMove::NextLine << qint64(0x82) << 0;
        QTest::newRow("up on first row") << hex << qint64(0x02) << 0 << HexMove::PreviousLine << qint64(0x02) << 0;
        QTest::newRow("home") << hex << qint64(0x37) << 1 << HexMove::StartOfLine << qint64(0x30) << 0;
        QTest::newRow("end") << hex << qint64(0x31) << 0 << HexMove::EndOfLine << qint64(0x3F) << 0;
        QTest::newRow("end of short row") << hex << qint64(0x81) << 0 << HexMove::EndOfLine << qint64(135) << 0;
        QTest::newRow("document end") << hex << qint64(3) << 0 << HexMove::EndOfDocument << qint64(135) << 0;
        QTest::newRow("document start") << hex << qint64(99) << 0 << HexMove::StartOfDocument << qint64(0) << 0;
        QTest::newRow("page down") << hex << qint64(0x05) << 0 << HexMove::NextPage << qint64(0x45) << 0;
        QTest::newRow("page down past end") << hex << qint64(0x6C) << 0 << HexMove::NextPage << qint64(135) << 0;
        QTest::newRow("page down to last row") << hex << qint64(0x63) << 0 << HexMove::NextPage << qint64(0x83) << 0;
        QTest::newRow("page up past start") << hex << qint64(0x25) << 1 << HexMove::PreviousPage << qint64(0x05) << 1;
    }
    void plainMoves()
    {
        QFETCH(HexPane, pane);
        QFETCH(qint64, offset);
        QFETCH(int, nibble);
        QFETCH(HexMove, move);
        QFETCH(qint64, expectedOffset);
        QFETCH(int, expectedNibble);
        HexCursor cursor = cursorAt(offset, nibble, pane);
        cursor.move(move, false, kPageRows);
        QCOMPARE(cursor.offset(), expectedOffset);
        QCOMPARE(cursor.nibble(), expectedNibble);
        QVERIFY(!cursor.hasSelection());
    }

    void shiftMovesSelectWholeBytes_data()
    {
        QTest::addColumn<qint64>("offset");
        QTest::addColumn<QList<HexMove>>("moves");
        QTest::addColumn<qint64>("start");
        QTest::addColumn<qint64>("length");
        QTest::newRow("one right") << qint64(0) << QList{HexMove::NextChar} << qint64(0) << qint64(1);
        QTest::newRow("one left") << qint64(5) << QList{HexMove::PreviousChar} << qint64(4) << qint64(1);
        QTest::newRow("right and back") << qint64(5) << QList{HexMove::NextChar, HexMove::PreviousChar} << qint64(5)
                                        << qint64(0);
        QTest::newRow("down") << qint64(0x12) << QList{HexMove::NextLine} << qint64(0x12) << qint64(16);
        QTest::newRow("end twice stays") << qint64(0x12) << QList{HexMove::EndOfLine, HexMove::EndOfLine}
                                         << qint64(0x12) << qint64(14);
        QTest::newRow("end then home") << qint64(0x12) << QList{HexMove::EndOfLine, HexMove::StartOfLine}
                                       << qint64(0x10) << qint64(2);
        QTest::newRow("to the very end") << qint64(0x80) << QList{HexMove::EndOfDocument} << qint64(0x80) << qint64(8);
        QTest::newRow("right past end") << qint64(135) << QList{HexMove::NextChar, HexMove::NextChar} << qint64(135)
                                        << qint64(1);
    }
    void shiftMovesSelectWholeBytes()
    {
        QFETCH(qint64, offset);
        QFETCH(QList<HexMove>, moves);
        QFETCH(qint64, start);
        QFETCH(qint64, length);
        HexCursor cursor = cursorAt(offset, 1, HexPane::Hex);
        for (const HexMove move : moves)
            cursor.move(move, true, kPageRows);
        QCOMPARE(cursor.selection().length, length);
        if (length > 0)
            QCOMPARE(cursor.selection().start, start);
    }

    void plainMoveEndsSelection()
    {
        HexCursor cursor = cursorAt(135, 0, HexPane::Hex);
        cursor.move(HexMove::NextChar, true, kPageRows);
        QCOMPARE(cursor.offset(), kSize); // the boundary after the last byte
        QCOMPARE(cursor.frameOffset(), kSize - 1);
        cursor.move(HexMove::PreviousChar, false, kPageRows);
        QVERIFY(!cursor.hasSelection());
        QVERIFY(cursor.offset() < kSize);
    }

    void typingAdvances()
    {
        HexCursor hex = cursorAt(134, 0, HexPane::Hex);
        for (const auto& [offset, nibble] : {std::pair{134, 1}, {135, 0}, {135, 1}, {135, 1}}) {
            hex.advanceAfterTyping();
            QCOMPARE(hex.offset(), qint64(offset));
            QCOMPARE(hex.nibble(), nibble);
        }
        HexCursor chars = cursorAt(134, 0, HexPane::Chars);
        chars.advanceAfterTyping();
        chars.advanceAfterTyping();
        QCOMPARE(chars.offset(), kSize - 1);
    }

    void switchingPanesKeepsTheByte()
    {
        HexCursor cursor = cursorAt(0x21, 1, HexPane::Hex);
        cursor.togglePane();
        QCOMPARE(cursor.pane(), HexPane::Chars);
        QCOMPARE(cursor.offset(), qint64(0x21));
        QCOMPARE(cursor.nibble(), 0);
    }

    void dragSelectsBothEnds_data()
    {
        QTest::addColumn<qint64>("press");
        QTest::addColumn<qint64>("dragTo");
        QTest::addColumn<qint64>("start");
        QTest::addColumn<qint64>("length");
        QTest::newRow("forwards") << qint64(3) << qint64(5) << qint64(3) << qint64(3);
        QTest::newRow("backwards") << qint64(5) << qint64(3) << qint64(3) << qint64(3);
        QTest::newRow("back onto the pressed byte") << qint64(5) << qint64(5) << qint64(0) << qint64(0);
        QTest::newRow("to the last byte") << qint64(130) << qint64(500) << qint64(130) << qint64(6);
    }
    void dragSelectsBothEnds()
    {
        HexCursor cursor = cursorAt(0, 0, HexPane::Hex);
        QFETCH(qint64, press);
        QFETCH(qint64, dragTo);
        QFETCH(qint64, start);
        QFETCH(qint64, length);
        cursor.press({press, 1});
        cursor.dragTo(dragTo);
        QCOMPARE(cursor.selection().length, length);
        if (length > 0)
            QCOMPARE(cursor.selection().start, start);
    }

    void shiftClickExtendsFromTheCaret()
    {
        HexCursor cursor = cursorAt(10, 0, HexPane::Hex);
        cursor.extendTo(12);
        QCOMPARE(cursor.selection(), (HexRange{10, 3}));
        cursor.extendTo(8);
        QCOMPARE(cursor.selection(), (HexRange{8, 3}));
    }

    // A half-byte outside 0 and 1 must not put the caret between bytes.
    void halfByteIsClamped_data()
    {
        QTest::addColumn<qint64>("offset");
        QTest::addColumn<int>("nibble");
        QTest::addColumn<int>("expectedNibble");
        QTest::newRow("negative on byte 0") << qint64(0) << -1 << 0;
        QTest::newRow("negative") << qint64(5) << -3 << 0;
        QTest::newRow("too large") << qint64(5) << 2 << 1;
        QTest::newRow("on the last byte") << kSize - 1 << 7 << 1;
    }
    void halfByteIsClamped()
    {
        QFETCH(qint64, offset);
        QFETCH(int, nibble);
        QFETCH(int, expectedNibble);
        HexCursor cursor = cursorAt(offset, nibble, HexPane::Hex);
        QCOMPARE(cursor.offset(), offset);
        QCOMPARE(cursor.nibble(), expectedNibble);
        cursor.advanceAfterTyping();
        QCOMPARE(cursor.offset(), std::min(kSize - 1, offset + expectedNibble));
    }

    void selectAllAndResize()
    {
        HexCursor cursor = cursorAt(100, 1, HexPane::Hex);
        cursor.selectAll();
        QCOMPARE(cursor.selection(), (HexRange{0, kSize}));
        cursor.setSize(16);
        QVERIFY(!cursor.hasSelection());
        QCOMPARE(cursor.offset(), qint64(15));
        cursor.setSize(0);
        QCOMPARE(cursor.offset(), qint64(0));
        cursor.move(HexMove::NextChar, true, kPageRows);
        QVERIFY(!cursor.hasSelection());
    }
};

QTEST_GUILESS_MAIN(TestHexCursor)
#include "tst_hexcursor.moc"
