// A write into the hex view made on the user's behalf (the field inspector's
// values): taken as one edit of the user's, or refused whole.

#include "ui/HexView.h"

#include <QtTest/QtTest>

namespace {
QByteArray countingBytes(qint64 size)
{
    QByteArray bytes(size, '\0');
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i);
    return bytes;
}
} // namespace

class TestHexViewWrite : public QObject {
    Q_OBJECT

private slots:
    void writeBytes_data()
    {
        QTest::addColumn<qint64>("offset");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("taken");
        QTest::newRow("two bytes inside") << qint64{0x48} << QByteArray("\xFF\xFF", 2) << true;
        QTest::newRow("the last four") << qint64{0x84} << QByteArray("\x01\x02\x03\x04", 4) << true;
        QTest::newRow("one past the end") << qint64{0x85} << QByteArray("\x01\x02\x03\x04", 4) << false;
        QTest::newRow("before the start") << qint64{-1} << QByteArray("\x01\x02", 2) << false;
        QTest::newRow("at the end") << qint64{0x88} << QByteArray("\x01", 1) << false;
        QTest::newRow("nothing") << qint64{0} << QByteArray() << false;
    }
    void writeBytes()
    {
        QFETCH(qint64, offset);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, taken);
        HexView view;
        view.setSizeUnlocked(0x88);
        view.loadBytes(countingBytes(0x88));
        view.resetEditState();
        view.setCursorOffset(0x10);
        QSignalSpy changed(&view, &HexView::bytesChanged);
        QSignalSpy moved(&view, &HexView::cursorMoved);

        QCOMPARE(view.writeBytes(offset, bytes), taken);
        QByteArray expected = countingBytes(0x88);
        if (taken)
            expected.replace(offset, bytes.size(), bytes);
        QCOMPARE(view.bytes(), expected);
        QCOMPARE(changed.count(), taken ? 1 : 0);
        QCOMPARE(moved.count(), 0);
        QCOMPARE(view.cursorOffset(), qint64{0x10});
        for (qint64 i = 0; i < view.size(); ++i)
            QCOMPARE(view.isByteChanged(i), taken && i >= offset && i < offset + bytes.size());
        QCOMPARE(view.canUndo(), taken);
        if (taken) {
            QVERIFY(view.undo());
            QCOMPARE(view.bytes(), countingBytes(0x88));
            QVERIFY(!view.isByteChanged(offset));
        }
    }
};

QTEST_MAIN(TestHexViewWrite)
#include "tst_hexviewwrite.moc"
