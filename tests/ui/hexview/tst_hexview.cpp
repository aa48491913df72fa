// The hex view widget as the user types into it, over a source of bytes of
// its own: typing in both panes, paste, the keys that take edits back (what
// they take back is the source's business), following the source's size
// and changes, the hint and field tooltips, copy and paste between two
// views, what a keystroke repaints, and a look at the painted pixels.

#include "ui/hexview/HexBufferSource.h"
#include "ui/hexview/HexClipboard.h"
#include "ui/hexview/HexView.h"

#include <QtCore/QMimeData>
#include <QtGui/QClipboard>
#include <QtGui/QFontDatabase>
#include <QtGui/QFontInfo>
#include <QtGui/QPaintEvent>
#include <QtTest/QtTest>
#include <QtGui/QAction>
#include <QtWidgets/QApplication>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QToolTip>

namespace {
constexpr qint64 kRecordSize = 136;

const QString kRoylHint = QStringLiteral(
    "Offset 00 - TEST_ID\nOffset 48 - GOTO_ON_SUCCES\nOffset 4A - GOTO_ON_ERR\nOffset 4C - GOTO_ON_ABRT\n"
    "Offset 68 - Error Code");
const QString kLegacy28Hint = QStringLiteral(
    "Offset 00 - TEST_ID\nOffset 48 - GOTO_ON_SUCCES\nOffset 4A - GOTO_ON_ERR\nOffset 4C - GOTO_ON_ABRT\n"
    "Offset 54 - Error Code");

// Bytes 0, 1, 2, ... so that every offset holds its own low byte.
QByteArray countingBytes(qint64 size)
{
    QByteArray bytes(size, '\0');
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i);
    return bytes;
}

// Bytes of its own that also remember what the view asked of it: each write,
// and each undo and redo. An undo takes nothing back here; it names the last
// write's range as restored, as a source with a history would.
class RecordingSource : public HexBufferSource {
public:
    QList<HexRange> writes;
    int undos = 0;
    int redos = 0;

    bool write(qint64 offset, QByteArrayView bytes) override
    {
        const bool taken = HexBufferSource::write(offset, bytes);
        if (taken)
            writes << HexRange{offset, bytes.size()};
        return taken;
    }
    HexRange undo() override
    {
        ++undos;
        return writes.isEmpty() ? HexRange{} : writes.takeLast();
    }
    HexRange redo() override
    {
        ++redos;
        return {};
    }
};

// A view over bytes 0, 1, 2, ... as the program shows a record.
struct LoadedView {
    explicit LoadedView(qint64 size = kRecordSize)
    {
        source.setBytes(countingBytes(size));
        view.setSource(&source);
        view.resize(view.sizeHint());
    }
    RecordingSource source;
    HexView view;
};

void putOnClipboard(QMimeData* mime) { QGuiApplication::clipboard()->setMimeData(mime); }

void putRawOnClipboard(const QByteArray& bytes) { putOnClipboard(HexClipboard::encode(bytes).release()); }

void putTextOnClipboard(const QString& text)
{
    auto* mime = new QMimeData;
    mime->setText(text);
    putOnClipboard(mime);
}

// A key whose text Qt Test cannot type (outside ASCII).
void typeChar(QWidget* widget, QChar c)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
}

void pressPaste(HexView& view) { QTest::keyClick(&view, Qt::Key_V, Qt::ControlModifier); }

// Colours compared by name: "#ffffa8".
QString colorAt(const QImage& image, QPoint p) { return QColor(image.pixel(p)).name(); }

bool isBlueish(QRgb p, int minBlue, int maxBlue)
{
    return qRed(p) < 80 && qGreen(p) < 80 && qBlue(p) >= minBlue && qBlue(p) <= maxBlue;
}

// Whether some pixel of the rectangle satisfies the test.
template <typename Pred> bool anyPixel(const QImage& image, const QRect& rect, Pred pred)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (pred(image.pixel(x, y)))
                return true;
    return false;
}

// Collects the rectangles the viewport is asked to paint.
class PaintRecorder : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

class TestHexView : public QObject {
    Q_OBJECT

private slots:
    void typingHexDigitsOverwritesHalfBytes()
    {
        LoadedView loaded;
        HexView& view = loaded.view;
        QSignalSpy changed(&view, &HexView::bytesChanged);
        view.setCursorOffset(0x48);
        QTest::keyClicks(&view, QStringLiteral("FfFf"));
        QCOMPARE(changed.count(), 4); // one notification per keystroke
        QCOMPARE(view.bytes().mid(0x48, 3), QByteArray::fromHex("ffff4a"));
        QCOMPARE(view.cursorOffset(), qint64(0x4A));
        QVERIFY(view.isByteChanged(0x48) && view.isByteChanged(0x49));
        QVERIFY(!view.isByteChanged(0x4A));
        QCOMPARE(view.size(), kRecordSize);
    }

    void typingOtherKeysInTheHexPaneChangesNothing()
    {
        LoadedView loaded;
        QSignalSpy changed(&loaded.view, &HexView::bytesChanged);
        QTest::keyClicks(&loaded.view, QStringLiteral("gx .-"));
        QTest::keyClick(&loaded.view, Qt::Key_Delete);
        QTest::keyClick(&loaded.view, Qt::Key_Backspace);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(loaded.view.bytes(), countingBytes(kRecordSize));
    }

    void typingCharactersInTheCharacterPane()
    {
        LoadedView loaded;
        HexView& view = loaded.view;
        QSignalSpy changed(&view, &HexView::bytesChanged);
        view.setCursorOffset(0x10);
        QTest::keyClick(&view, Qt::Key_Tab);
        QCOMPARE(view.cursorPane(), HexPane::Chars);
        QTest::keyClicks(&view, QStringLiteral("Ab."));
        typeChar(&view, QChar(u'\u00E9'));
        typeChar(&view, QChar(u'\u20AC')); // no Latin-1 byte: nothing
        QCOMPARE(changed.count(), 4);
        QCOMPARE(view.bytes().mid(0x10, 5), QByteArray::fromHex("41622ee914"));
        QCOMPARE(view.cursorOffset(), qint64(0x14));
        QTest::keyClick(&view, Qt::Key_Backtab);
        QCOMPARE(view.cursorPane(), HexPane::Hex);
    }

    void typingStaysOnTheLastByte()
    {
        LoadedView loaded;
        HexView& view = loaded.view;
        view.setCursorOffset(kRecordSize - 1);
        QTest::keyClicks(&view, QStringLiteral("12345"));
        QCOMPARE(view.bytes().right(2), QByteArray::fromHex("8615"));
        QCOMPARE(view.size(), kRecordSize);
    }

    void typingOverASelectionStartsAtItsFirstByte()
    {
        LoadedView loaded;
        HexView& view = loaded.view;
        view.setSelection(0x20, 4);
        QTest::keyClicks(&view, QStringLiteral("AB"));
        QCOMPARE(view.bytes().mid(0x20, 2), QByteArray::fromHex("ab21"));
        QVERIFY(!view.hasSelection());
    }

    // The view follows the source's size; the caret stays inside.
    void followsTheSourcesSize()
    {
        LoadedView loaded;
        HexView& view = loaded.view;
        view.setCursorOffset(0x80);
        QSignalSpy moved(&view, &HexView::cursorMoved);
        loaded.source.setBytes(countingBytes(116));
        QCOMPARE(view.size(), qint64(116));
        QCOMPARE(view.hexLayout().rowCount(), qint64(8));
        QCOMPARE(view.cursorOffset(), qint64(116 - 1));
        QCOMPARE(moved.count(), 1);
        view.setSource(nullptr);
        QCOMPARE(view.size(), qint64(0));
        QCOMPARE(view.bytes(), QByteArray());
    }

    void pasteRules_data()
    {
        QTest::addColumn<qint64>("cursor");
        QTest::addColumn<qint64>("selectionLength");
        QTest::addColumn<QByteArray>("clip");
        QTest::addColumn<qint64>("written");
        const QByteArray eight = QByteArray::fromHex("F0F1F2F3F4F5F6F7");
        QTest::newRow("at the cursor") << qint64(0x10) << qint64(0) << eight << qint64(8);
        QTest::newRow("end drops the rest") << qint64(0x84) << qint64(0) << eight << qint64(4);
        QTest::newRow("on the last byte") << qint64(0x87) << qint64(0) << eight << qint64(1);
        QTest::newRow("over a shorter selection") << qint64(0x10) << qint64(2) << eight << qint64(2);
        QTest::newRow("over a longer selection") << qint64(0x10) << qint64(12) << eight << qint64(8);
        QTest::newRow("selection at the end") << qint64(0x86) << qint64(2) << eight << qint64(2);
    }
    void pasteRules()
    {
        QFETCH(qint64, cursor);
        QFETCH(qint64, selectionLength);
        QFETCH(QByteArray, clip);
        QFETCH(qint64, written);
        LoadedView loaded;
        HexView& view = loaded.view;
        if (selectionLength > 0)
            view.setSelection(cursor, selectionLength);
        else
            view.setCursorOffset(cursor);
        putRawOnClipboard(clip);
        QSignalSpy changed(&view, &HexView::bytesChanged);
        pressPaste(view);
        QCOMPARE(changed.count(), 1);
        QByteArray expected = countingBytes(kRecordSize);
        expected.replace(cursor, written, clip.left(written));
        QCOMPARE(view.bytes(), expected);
        QCOMPARE(view.size(), kRecordSize);
        QVERIFY(view.isByteChanged(cursor + written - 1));
        QVERIFY(!view.isByteChanged(cursor + written));
        // A paste is one edit: one undo step of the source's history.
        QCOMPARE(loaded.source.writes, QList<HexRange>({{cursor, written}}));
    }

    void pasteOfTextAndOfUnusableContent()
    {
        LoadedView loaded;
        HexView& view = loaded.view;
        QSignalSpy changed(&view, &HexView::bytesChanged);
        putTextOnClipboard(QStringLiteral("no hex here"));
        pressPaste(view);
        putTextOnClipboard(QStringLiteral("AB C"));
        pressPaste(view);
        QGuiApplication::clipboard()->clear();
        pressPaste(view);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(view.bytes(), countingBytes(kRecordSize));

        putTextOnClipboard(QStringLiteral("de ad\nbeef"));
        view.paste();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(view.bytes().left(5), QByteArray::fromHex("deadbeef04"));
    }

    void copyWithoutSelectionLeavesTheClipboard()
    {
        LoadedView loaded;
        putTextOnClipboard(QStringLiteral("kept"));
        loaded.view.copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    }

    void copyAndPasteBetweenTwoViews()
    {
        LoadedView from;
        LoadedView to;
        // Every byte value once, 0x00 and 0x1A among them, through the clipboard.
        from.source.setBytes(countingBytes(256));
        to.source.setBytes(QByteArray(256, '\x55'));
        QTest::keyClick(&from.view, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(from.view.selection(), (HexRange{0, 256}));
        QTest::keyClick(&from.view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->data(QString::fromLatin1(HexClipboard::kMimeType)),
                 countingBytes(256));
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("00 01 02 03")));
        pressPaste(to.view);
        QCOMPARE(to.view.bytes(), countingBytes(256));
    }

    void selectionByShiftKeysIsCopied()
    {
        LoadedView loaded;
        HexView& view = loaded.view;
        view.setCursorOffset(0x48);
        QTest::keyClick(&view, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(&view, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(view.selection(), (HexRange{0x48, 2}));
        view.copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("48 49"));
    }

    void cutDoesNothing()
    {
        LoadedView loaded;
        HexView& view = loaded.view;
        view.selectAll();
        putTextOnClipboard(QStringLiteral("kept"));
        QSignalSpy changed(&view, &HexView::bytesChanged);
        QTest::keyClick(&view, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(view.bytes(), countingBytes(kRecordSize));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    }

    // Ctrl+Z and Ctrl+Shift+Z ask the source; the caret goes to the first
    // byte it restored. With nothing to take back nothing moves.
    void undoAndRedoKeys()
    {
        LoadedView loaded;
        HexView& view = loaded.view;
        view.setCursorOffset(0x10);
        QTest::keyClicks(&view, QStringLiteral("ABCD"));
        QCOMPARE(view.cursorOffset(), qint64(0x12));
        QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(loaded.source.undos, 1);
        QCOMPARE(view.cursorOffset(), qint64(0x11));
        QCOMPARE(view.cursorNibble(), 0);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(view.cursorOffset(), qint64(0x10));
        QVERIFY(!view.undo()); // nothing left
        QCOMPARE(view.cursorOffset(), qint64(0x10));
        QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(loaded.source.redos, 1);
    }

    // Whatever else changes the source's bytes or marks shows, and is told.
    void changesOfTheSourceAreShownAndTold()
    {
        LoadedView loaded;
        HexView& view = loaded.view;
        QTest::keyClicks(&view, QStringLiteral("12"));
        QVERIFY(view.isByteChanged(0));
        QSignalSpy changed(&view, &HexView::bytesChanged);
        loaded.source.clearMarks();
        QVERIFY(!view.isByteChanged(0));
        loaded.source.setBytes(QByteArray(kRecordSize, '\x11'));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(view.bytes(), QByteArray(kRecordSize, '\x11'));
    }

    void cursorMovesAreReported()
    {
        LoadedView loaded;
        HexView& view = loaded.view;
        QSignalSpy moved(&view, &HexView::cursorMoved);
        QTest::keyClick(&view, Qt::Key_Down);
        QTest::keyClick(&view, Qt::Key_Right); // only the half-byte changes
        QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(moved.count(), 2);
        QCOMPARE(moved.at(0).at(0).toLongLong(), qint64(0x10));
        QCOMPARE(moved.at(1).at(0).toLongLong(), kRecordSize - 1);
        QCOMPARE(view.cursorOffset(), kRecordSize - 1);
    }

    void mouseClickAndDrag()
    {
        LoadedView loaded;
        HexView& view = loaded.view;
        QWidget* viewport = view.viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, view.byteRect(0x23, HexPane::Chars).center());
        QCOMPARE(view.cursorOffset(), qint64(0x23));
        QCOMPARE(view.cursorPane(), HexPane::Chars);
        QTest::mousePress(viewport, Qt::LeftButton, {}, view.byteRect(0x15, HexPane::Hex).center());
        QMouseEvent move(QEvent::MouseMove, view.byteRect(0x12, HexPane::Hex).center(),
                         viewport->mapToGlobal(view.byteRect(0x12, HexPane::Hex).center()), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, view.byteRect(0x12, HexPane::Hex).center());
        QCOMPARE(view.cursorPane(), HexPane::Hex);
        QCOMPARE(view.selection(), (HexRange{0x12, 4}));
    }

    void hint_data()
    {
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("lastLine");
        QTest::newRow("ROYL and legacy-32") << kRoylHint << "Offset 68 - Error Code";
        QTest::newRow("legacy-28") << kLegacy28Hint << "Offset 54 - Error Code";
    }
    void hint()
    {
        QFETCH(QString, hint);
        QFETCH(QString, lastLine);
        LoadedView loaded;
        HexView& view = loaded.view;
        view.setHint(hint);
        const QPoint gutter(2, view.byteRect(0x10, HexPane::Hex).center().y());
        const QString shown = view.toolTipAt(gutter);
        QCOMPARE(shown, hint);
        QCOMPARE(shown.split(u'\n').size(), 5);
        QCOMPARE(shown.split(u'\n').last(), lastLine);
        // A byte without a field shows the hint too.
        QCOMPARE(view.toolTipAt(view.byteRect(0x30, HexPane::Hex).center()), hint);
    }

    void fieldTooltips()
    {
        LoadedView loaded;
        HexView& view = loaded.view;
        view.setHint(kRoylHint);
        QByteArray record(kRecordSize, '\0');
        record[0x0C] = 0x0A;
        record[0x48] = 0x05;
        loaded.source.setBytes(record);
        view.setFieldMap(HexFieldMap({{0x0C, 4, QStringLiteral("P3"), false},
                                      {0x48, 2, QStringLiteral("GOTO_ON_SUCCES"), true}}));
        QCOMPARE(view.toolTipAt(view.byteRect(0x49, HexPane::Hex).center()),
                 QStringLiteral("GOTO_ON_SUCCES = 0x0005 (5)"));
        QCOMPARE(view.toolTipAt(view.byteRect(0x48, HexPane::Chars).center()),
                 QStringLiteral("GOTO_ON_SUCCES = 0x0005 (5)"));
        QCOMPARE(view.toolTipAt(view.byteRect(0x0E, HexPane::Hex).center()), QStringLiteral("P3 = 0x0000000A"));
        // Typing shows in the next tooltip.
        view.setCursorOffset(0x48);
        QTest::keyClicks(&view, QStringLiteral("FFFF"));
        QCOMPARE(view.toolTipAt(view.byteRect(0x48, HexPane::Hex).center()),
                 QStringLiteral("GOTO_ON_SUCCES = 0xFFFF (65535)"));
    }

    // The help event of the viewport shows the same text as toolTipAt().
    void tooltipEvent()
    {
        LoadedView loaded;
        HexView& view = loaded.view;
        view.setHint(kRoylHint);
        view.setFieldMap(HexFieldMap({{0x48, 2, QStringLiteral("GOTO_ON_SUCCES"), true}}));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const auto showTipAt = [&view](QPoint pos) {
            QHelpEvent help(QEvent::ToolTip, pos, view.viewport()->mapToGlobal(pos));
            QApplication::sendEvent(view.viewport(), &help);
        };
        showTipAt(view.byteRect(0x49, HexPane::Hex).center());
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("GOTO_ON_SUCCES = 0x4948 (18760)"));
        showTipAt(QPoint(2, view.byteRect(0x10, HexPane::Hex).center().y()));
        QTRY_COMPARE(QToolTip::text(), kRoylHint);
        QToolTip::hideText();
    }

    // Below the step list the view is as wide as the window (567 pixels at
    // its first size) and 190 pixels high: a record shows whole, gutter,
    // ruler, every row, all 16 columns and the character pane, with no scroll
    // bar, in the font the view really uses.
    void recordFitsTheWindow_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QSize>("shownFirst");
        QTest::newRow("ROYL record") << kRecordSize << QSize();
        QTest::newRow("legacy record") << qint64(116) << QSize();
        // Scroll bars that a small size needed must not keep each other
        // shown once the view has grown.
        QTest::newRow("after a small size") << kRecordSize << QSize(200, 80);
        QTest::newRow("after a little narrower") << kRecordSize << QSize(550, 190);
    }
    void recordFitsTheWindow()
    {
        constexpr int kWidth = 567;
        constexpr int kHeight = 190;
        QFETCH(qint64, size);
        LoadedView loaded(size);
        HexView& view = loaded.view;
        QCOMPARE(view.font().pixelSize(), HexView::kFontPixelSize);
        const HexLayout& layout = view.hexLayout();
        const int frame = 2 * view.frameWidth();
        QVERIFY2(layout.contentWidthPx() <= kWidth - frame, qPrintable(QString::number(layout.contentWidthPx())));
        QVERIFY(layout.rowYPx(layout.rowCount(), 0) <= kHeight - frame);
        QVERIFY(view.sizeHint().width() <= kWidth);
        QVERIFY(view.sizeHint().height() <= kHeight);

        QFETCH(QSize, shownFirst);
        if (shownFirst.isValid()) {
            view.resize(shownFirst);
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
        }
        view.resize(kWidth, kHeight);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTRY_COMPARE(view.viewport()->height(), kHeight - frame);
        QCOMPARE(view.verticalScrollBar()->maximum(), 0);
        QCOMPARE(view.horizontalScrollBar()->maximum(), 0);
        QVERIFY(!view.verticalScrollBar()->isVisible());
        QVERIFY(!view.horizontalScrollBar()->isVisible());
        const QRect viewport = view.viewport()->rect();
        QVERIFY(viewport.width() >= layout.contentWidthPx());
        for (const qint64 offset : {qint64(0), qint64(15), size - size % 16, size - 1}) {
            QVERIFY2(viewport.contains(view.byteRect(offset, HexPane::Hex)), qPrintable(QString::number(offset)));
            QVERIFY2(viewport.contains(view.byteRect(offset, HexPane::Chars)), qPrintable(QString::number(offset)));
        }
    }

    // The size hint holds the rows up to ten (ten when empty) and a whole
    // row; it makes room for the vertical scroll bar only when that is needed.
    void sizeHintFollowsTheRows_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("scrollBar");
        QTest::newRow("empty") << qint64(0) << 10 << false;
        QTest::newRow("ROYL record") << kRecordSize << 9 << false;
        QTest::newRow("ten rows") << qint64(160) << 10 << false;
        QTest::newRow("1 MiB") << qint64(1 << 20) << 10 << true;
    }
    void sizeHintFollowsTheRows()
    {
        QFETCH(qint64, size);
        QFETCH(int, rows);
        QFETCH(bool, scrollBar);
        HexBufferSource source;
        source.setBytes(QByteArray(size, '\0'));
        HexView view;
        view.setSource(&source);
        const HexLayout& layout = view.hexLayout();
        const int frame = 2 * view.frameWidth();
        const int bar = scrollBar ? view.verticalScrollBar()->sizeHint().width() : 0;
        QCOMPARE(view.sizeHint(), QSize(layout.contentWidthPx() + frame + bar,
                                        layout.rulerHeightPx() + rows * layout.metrics().lineHeightPx + frame));
    }

    // Typing a byte repaints its row, however large the buffer.
    void typingRepaintsOneRow_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::newRow("record") << kRecordSize;
        QTest::newRow("1 MiB") << qint64(1 << 20);
    }
    void typingRepaintsOneRow()
    {
        QFETCH(qint64, size);
        LoadedView loaded(size);
        HexView& view = loaded.view;
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setCursorOffset(0x21);
        QCoreApplication::processEvents();
        PaintRecorder recorder;
        view.viewport()->installEventFilter(&recorder);
        QTest::keyClick(&view, Qt::Key_7);
        QTRY_VERIFY(!recorder.painted.isEmpty());
        const QRect row = view.byteRect(0x20, HexPane::Hex);
        QCOMPARE(recorder.painted.boundingRect().top(), row.top());
        QCOMPARE(recorder.painted.boundingRect().height(), row.height());
    }

    // The caret keeps in view: PgDn and Ctrl+End scroll a large buffer.
    void largeBufferScrolls()
    {
        LoadedView loaded(1 << 20);
        HexView& view = loaded.view;
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QScrollBar* vertical = view.verticalScrollBar();
        const int rows = view.hexLayout().visibleRowCount(view.viewport()->height());
        QCOMPARE(vertical->maximum(), 65536 - rows);
        QTRY_VERIFY(vertical->isVisible());
        QTest::keyClick(&view, Qt::Key_PageDown);
        QCOMPARE(view.cursorOffset(), qint64(16 * rows));
        QCOMPARE(vertical->value(), 1);
        QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(vertical->value(), vertical->maximum());
        QVERIFY(view.viewport()->rect().contains(view.byteRect((1 << 20) - 1, HexPane::Hex)));
        QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(vertical->value(), 0);
    }

    void rendering()
    {
        LoadedView loaded;
        HexView& view = loaded.view;
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QByteArray record(kRecordSize, '\0');
        record.replace(0, 8, QByteArray(8, '\x88'));
        loaded.source.setBytes(record);
        view.setCursorOffset(0x48);
        QTest::keyClicks(&view, QStringLiteral("88"));
        view.setCursorOffset(0x31, 1);
        view.clearFocus();
        const QImage image = view.viewport()->grab().toImage();
        const QPalette palette = view.palette();

        // Groups of four bytes alternate blue and navy.
        const QRect first = view.byteRect(0, HexPane::Hex);
        const QRect second = view.byteRect(4, HexPane::Hex);
        QVERIFY(anyPixel(image, first, [](QRgb p) { return isBlueish(p, 200, 255); }));
        QVERIFY(anyPixel(image, second, [](QRgb p) { return isBlueish(p, 100, 170); }));
        QVERIFY(!anyPixel(image, second, [](QRgb p) { return isBlueish(p, 200, 255); }));

        // A changed byte: light yellow background, maroon digits.
        const QRect changed = view.byteRect(0x48, HexPane::Hex);
        QCOMPARE(colorAt(image, changed.topLeft()), QColor(255, 255, 168).name());
        QVERIFY(anyPixel(image, changed, [](QRgb p) { return qRed(p) > 100 && qGreen(p) < 60 && qBlue(p) < 60; }));
        QCOMPARE(colorAt(image, view.byteRect(0x48, HexPane::Chars).topLeft()), QColor(255, 255, 168).name());
        QCOMPARE(colorAt(image, view.byteRect(0x4A, HexPane::Hex).topLeft()), palette.color(QPalette::Base).name());

        // The gutter: button face, the caret's row in button shadow.
        const auto gutterAt = [&view](qint64 offset) {
            return QPoint(1, view.byteRect(offset, HexPane::Hex).center().y());
        };
        QCOMPARE(colorAt(image, gutterAt(0x10)), palette.color(QPalette::Button).name());
        QCOMPARE(colorAt(image, gutterAt(0x30)), palette.color(QPalette::Dark).name());

        // The caret's frame on the low half-byte: aqua unfocused, navy focused.
        const QRect byte = view.byteRect(0x31, HexPane::Hex);
        const QPoint lowNibble(byte.left() + byte.width() / 2, byte.top());
        QCOMPARE(colorAt(image, lowNibble), QColor(0, 255, 255).name());
        view.activateWindow();
        view.setFocus();
        if (!view.hasFocus())
            QSKIP("the platform gives no focus");
        QCOMPARE(colorAt(view.viewport()->grab().toImage(), lowNibble), QColor(0, 0, 128).name());
    }

    // In a window whose menu has Ctrl+Z and Ctrl+C: with the view focused,
    // Ctrl+Z is the view's undo, Ctrl+C the menu's command.
    void windowShortcuts()
    {
        RecordingSource source;
        source.setBytes(QByteArray(kRecordSize, '\0'));
        QWidget window;
        auto* view = new HexView(&window);
        view->setSource(&source);
        view->resize(view->sizeHint());
        QAction menuZ(QStringLiteral("Set Eror Step to END"), &window);
        menuZ.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
        QAction menuCopy(QStringLiteral("Copy"), &window);
        menuCopy.setShortcut(QKeySequence::Copy);
        window.addActions({&menuZ, &menuCopy});
        QSignalSpy zTriggered(&menuZ, &QAction::triggered);
        QSignalSpy copyTriggered(&menuCopy, &QAction::triggered);
        window.show();
        QApplication::setActiveWindow(&window);
        view->setFocus();
        if (!QTest::qWaitForWindowActive(&window) || !view->hasFocus())
            QSKIP("the platform activates no window");

        QTest::keyClicks(view, QStringLiteral("7"));
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(zTriggered.count(), 0);
        QCOMPARE(source.undos, 1);
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(copyTriggered.count(), 1);
    }

    void fontAndCursor()
    {
        HexView view;
        QCOMPARE(view.font().pixelSize(), 13);
        // Where "Courier New" is missing, an installed fixed-pitch family stands in.
        if (QFontDatabase::families().contains(QStringLiteral("Courier New"), Qt::CaseInsensitive))
            QCOMPARE(view.font().family(), QStringLiteral("Courier New"));
        QVERIFY(QFontDatabase::families().contains(view.font().family(), Qt::CaseInsensitive)
                || view.font() == QFontDatabase::systemFont(QFontDatabase::FixedFont));
        QVERIFY(QFontInfo(view.font()).fixedPitch());
        QCOMPARE(view.viewport()->cursor().shape(), Qt::IBeamCursor);
    }
};

QTEST_MAIN(TestHexView)
#include "tst_hexview.moc"
