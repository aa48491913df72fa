// The hex view's keyboard, mouse and tooltip handling: commands, navigation
// and typing each in their own small function.

#include "ui/hexview/HexView.h"

#include "model/HexDigit.h"
#include "ui/hexview/HexCharMap.h"
#include "ui/hexview/HexKeyMap.h"

#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QToolTip>

namespace {
Qt::KeyboardModifiers plainModifiers(const QKeyEvent& event)
{
    return event.modifiers() & ~Qt::KeypadModifier;
}

// Alt+Backspace and Shift+Alt+Backspace undo and redo the script's history
// everywhere in the window; where the platform's Undo holds them too (Qt on
// Windows), the view lets them pass and keeps its byte undo on Ctrl+Z.
bool isScriptHistoryKey(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Backspace && (plainModifiers(event) & Qt::AltModifier);
}

// Ctrl+Shift+Z redoes on every platform, whatever the platform's Redo is.
bool isCtrlShiftZ(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Z && plainModifiers(event) == (Qt::ControlModifier | Qt::ShiftModifier);
}
} // namespace

// --- keys --------------------------------------------------------------------------

// Keys the view keeps from the window's shortcuts while it has the focus. Copy
// and paste are left to the window, whose menu commands do the same.
bool HexView::isOwnShortcut(const QKeyEvent& event) const
{
    if (isScriptHistoryKey(event))
        return false;
    return event.matches(QKeySequence::SelectAll) || event.matches(QKeySequence::Undo)
        || event.matches(QKeySequence::Redo) || isCtrlShiftZ(event) || event.matches(QKeySequence::Cut);
}

bool HexView::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && isOwnShortcut(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QAbstractScrollArea::event(event);
}

void HexView::keyPressEvent(QKeyEvent* event)
{
    if (handleCommandKey(*event) || handleNavigationKey(*event) || handleTypingKey(*event)) {
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

bool HexView::handleCommandKey(const QKeyEvent& event)
{
    if (isScriptHistoryKey(event))
        return false;
    if (event.matches(QKeySequence::SelectAll))
        selectAll();
    else if (event.matches(QKeySequence::Undo))
        undo();
    else if (event.matches(QKeySequence::Redo) || isCtrlShiftZ(event))
        redo();
    else if (event.matches(QKeySequence::Copy))
        copy();
    else if (event.matches(QKeySequence::Paste))
        paste();
    else if (!event.matches(QKeySequence::Cut)) // taken and dropped: cutting would change the size
        return handleTabKey(event);
    return true;
}

// Tab and Shift+Tab switch panes; with Ctrl they leave the view.
bool HexView::handleTabKey(const QKeyEvent& event)
{
    if (event.key() != Qt::Key_Tab && event.key() != Qt::Key_Backtab)
        return false;
    const bool backwards = event.key() == Qt::Key_Backtab || plainModifiers(event) & Qt::ShiftModifier;
    if (plainModifiers(event) & Qt::ControlModifier)
        QAbstractScrollArea::focusNextPrevChild(!backwards);
    else
        setCursorPane(m_cursor.pane() == HexPane::Hex ? HexPane::Chars : HexPane::Hex);
    return true;
}

bool HexView::handleNavigationKey(const QKeyEvent& event)
{
    const std::optional<HexKeyMove> move = hexMoveForKey(event);
    if (!move)
        return false;
    const CursorState before = cursorState();
    m_cursor.move(move->move, move->extend, pageRows());
    cursorChanged(before);
    return true;
}

bool HexView::handleTypingKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers mods = plainModifiers(event);
    // Ctrl and Meta make commands; Ctrl+Alt is AltGr on Windows and types.
    if ((mods & (Qt::ControlModifier | Qt::MetaModifier)) && !(mods & Qt::AltModifier))
        return false;
    const QString text = event.text();
    if (text.size() != 1 || size() == 0)
        return false;
    if (m_cursor.pane() == HexPane::Hex) {
        const int digit = pst::hexDigitValue(text.front().unicode());
        if (digit < 0)
            return false;
        typeNibble(digit);
        return true;
    }
    const std::optional<quint8> byte = HexCharMap::system().byteFor(text.front());
    if (!byte)
        return false;
    typeByte(*byte);
    return true;
}

// Typing over a selection starts at its first byte.
void HexView::prepareTyping()
{
    const HexRange selection = m_cursor.selection();
    if (!selection.isEmpty())
        m_cursor.moveTo(selection.start);
    else if (m_cursor.offset() >= size())
        m_cursor.moveTo(size() - 1);
}

void HexView::typeNibble(int digit)
{
    const CursorState before = cursorState();
    prepareTyping();
    const qint64 offset = m_cursor.offset();
    const auto old = static_cast<quint8>(m_source->bytes().at(offset));
    typeByte(static_cast<quint8>(m_cursor.nibble() == 0 ? (digit << 4 | (old & 0x0F)) : ((old & 0xF0) | digit)), before);
}

void HexView::typeByte(quint8 byte)
{
    const CursorState before = cursorState();
    prepareTyping();
    typeByte(byte, before);
}

// The caret moves on only when the source took the byte.
void HexView::typeByte(quint8 byte, const CursorState& before)
{
    const char value = static_cast<char>(byte);
    if (m_source->write(m_cursor.offset(), QByteArrayView(&value, 1)))
        m_cursor.advanceAfterTyping();
    cursorChanged(before);
}

// Tab switches panes instead of leaving the widget.
bool HexView::focusNextPrevChild(bool /*next*/) { return false; }

void HexView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    updateRows(m_layout.rowOf(m_cursor.frameOffset()), m_layout.rowOf(m_cursor.frameOffset()));
}

void HexView::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    updateRows(m_layout.rowOf(m_cursor.frameOffset()), m_layout.rowOf(m_cursor.frameOffset()));
}

// --- mouse -------------------------------------------------------------------------

QPoint HexView::toContent(QPoint viewportPos) const
{
    return viewportPos + QPoint(horizontalScrollBar()->value(), 0);
}

void HexView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || size() == 0) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const QPoint pos = toContent(event->position().toPoint());
    const HexPane pane = m_layout.paneAt(pos.x());
    const HexCell cell = m_layout.cellAt(pos, topRow(), pane);
    const CursorState before = cursorState();
    m_cursor.setPane(pane);
    if (event->modifiers() & Qt::ShiftModifier)
        m_cursor.extendTo(cell.offset);
    else
        m_cursor.press(cell);
    cursorChanged(before);
    m_dragging = true;
}

void HexView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging || !(event->buttons() & Qt::LeftButton)) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    const QPoint pos = toContent(event->position().toPoint());
    // Above the rows the drag reaches one row up, so the view scrolls.
    const qint64 top = pos.y() < m_layout.rulerHeightPx() ? std::max<qint64>(0, topRow() - 1) : topRow();
    const HexCell cell = m_layout.cellAt(pos, top, m_cursor.pane());
    const CursorState before = cursorState();
    m_cursor.dragTo(cell.offset);
    cursorChanged(before);
}

void HexView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    m_dragging = false;
    event->accept();
}

// --- tooltip -----------------------------------------------------------------------

// The byte drawn under a viewport point, if any.
std::optional<qint64> HexView::byteAt(QPoint viewportPos, HexPane* pane) const
{
    if (size() == 0 || viewportPos.y() < m_layout.rulerHeightPx())
        return std::nullopt;
    const QPoint pos = toContent(viewportPos);
    *pane = m_layout.paneAt(pos.x());
    const HexCell cell = m_layout.cellAt(pos, topRow(), *pane);
    const int halfChar = m_layout.metrics().charWidthPx / 2;
    const QRect cellRect = byteRect(cell.offset, *pane).adjusted(-halfChar, 0, halfChar, 0);
    if (!cellRect.contains(viewportPos))
        return std::nullopt;
    return cell.offset;
}

QString HexView::toolTipAt(QPoint viewportPos) const
{
    HexPane pane = HexPane::Hex;
    if (const std::optional<qint64> offset = byteAt(viewportPos, &pane)) {
        const QString field = m_fields.describeAt(*offset, m_source->bytes());
        if (!field.isEmpty())
            return field;
    }
    return m_hint;
}

bool HexView::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QAbstractScrollArea::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString text = toolTipAt(help->pos());
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, viewport());
    }
    return true;
}
