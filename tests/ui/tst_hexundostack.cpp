// The bounded undo history: the 32-byte budget, the undo/redo swap and what
// a new change does to the redo side.

#include "ui/HexUndoStack.h"

#include <QtTest/QtTest>

namespace {
HexEdit edit(qint64 offset, qint64 length, char fill = 'a')
{
    return {offset, QByteArray(length, fill), QBitArray(length)};
}
} // namespace

class TestHexUndoStack : public QObject {
    Q_OBJECT

private slots:
    // Steps are dropped only while the stored ones exceed the budget before
    // a new one comes, so the budget plus one single-byte step stays.
    void budgetOfSingleByteSteps_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("kept");
        QTest::newRow("within") << 20 << 20;
        QTest::newRow("at budget") << 32 << 32;
        QTest::newRow("budget plus one") << 33 << 33;
        QTest::newRow("beyond") << 40 << 33;
        QTest::newRow("far beyond") << 500 << 33;
    }
    void budgetOfSingleByteSteps()
    {
        QFETCH(int, steps);
        QFETCH(int, kept);
        HexUndoStack stack;
        for (int i = 0; i < steps; ++i)
            stack.record(edit(i, 1));
        QCOMPARE(stack.undoCount(), kept);
        QCOMPARE(stack.storedBytes(), qint64(kept));
        // The oldest went first: the bottom step is the one recorded at steps - kept.
        for (int i = 1; i < kept; ++i)
            stack.undo(edit(0, 1));
        QCOMPARE(stack.nextUndo().offset, qint64(steps - kept));
    }

    void largeStepLastsUntilTheNextChange()
    {
        HexUndoStack stack;
        stack.record(edit(0, 1));
        stack.record(edit(0, 100));
        QCOMPARE(stack.undoCount(), 2);
        stack.record(edit(5, 2));
        QCOMPARE(stack.undoCount(), 1);
        QCOMPARE(stack.nextUndo().offset, qint64(5));
        QCOMPARE(stack.storedBytes(), qint64(2));
    }

    void undoAndRedoSwap()
    {
        HexUndoStack stack;
        stack.record(edit(4, 2, 'o')); // the old bytes
        QVERIFY(stack.canUndo());
        QVERIFY(!stack.canRedo());
        const HexEdit restored = stack.undo(edit(4, 2, 'n')); // the bytes now there
        QCOMPARE(restored.bytes, QByteArray("oo"));
        QVERIFY(!stack.canUndo());
        QVERIFY(stack.canRedo());
        QCOMPARE(stack.nextRedo().bytes, QByteArray("nn"));
        const HexEdit again = stack.redo(edit(4, 2, 'o'));
        QCOMPARE(again.bytes, QByteArray("nn"));
        QCOMPARE(stack.nextUndo().bytes, QByteArray("oo"));
        QCOMPARE(stack.storedBytes(), qint64(2));
    }

    void newChangeClearsRedo()
    {
        HexUndoStack stack;
        stack.record(edit(0, 1));
        stack.record(edit(1, 1));
        stack.undo(edit(1, 1));
        QVERIFY(stack.canRedo());
        stack.record(edit(2, 1));
        QVERIFY(!stack.canRedo());
        QCOMPARE(stack.undoCount(), 2);
    }

    void clearEmptiesBothSides()
    {
        HexUndoStack stack;
        stack.record(edit(0, 3));
        stack.record(edit(1, 1));
        stack.undo(edit(1, 1));
        stack.clear();
        QVERIFY(!stack.canUndo());
        QVERIFY(!stack.canRedo());
        QCOMPARE(stack.storedBytes(), qint64(0));
    }
};

QTEST_GUILESS_MAIN(TestHexUndoStack)
#include "tst_hexundostack.moc"
