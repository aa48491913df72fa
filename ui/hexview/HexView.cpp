#include "ui/hexview/HexView.h"

#include "ui/hexview/HexCharMap.h"
#include "ui/hexview/HexClipboard.h"
#include "ui/hexview/HexColors.h"
#include "ui/hexview/HexPainter.h"
#include "ui/hexview/InstalledFonts.h"

#include <QtCore/QMimeData>
#include <QtGui/QClipboard>
#include <QtGui/QFontDatabase>
#include <QtGui/QFontMetricsF>
#include <QtGui/QGuiApplication>
#include <QtGui/QPainter>
#include <QtGui/QPaintEvent>
#include <QtWidgets/QScrollBar>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {
// "Courier New" where it exists, else a fixed-pitch family of the same
// metrics or look, else the system's fixed-pitch font.
QFont hexFont()
{
    const QStringList families{QStringLiteral("Courier New"),      QStringLiteral("Liberation Mono"),
                               QStringLiteral("Cousine"),          QStringLiteral("Nimbus Mono PS"),
                               QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Noto Sans Mono")};
    const auto installed = firstInstalledFamily(families);
    QFont font = installed ? QFont(*installed) : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(HexView::kFontPixelSize);
    return font;
}
} // namespace

HexView::HexView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(hexFont());
    updateMetrics();
}

// --- the bytes -------------------------------------------------------------------

void HexView::setSource(HexByteSource* source)
{
    if (m_source)
        m_source->disconnect(this);
    m_source = source;
    if (source) {
        connect(source, &HexByteSource::bytesChanged, this, &HexView::bytesChangedAt);
        connect(source, &HexByteSource::editStateReset, viewport(), qOverload<>(&QWidget::update));
        connect(source, &HexByteSource::sizeChanged, this, &HexView::sizeChanged);
    }
    sizeChanged();
}

QByteArray HexView::bytes() const
{
    return m_source ? m_source->bytes().toByteArray() : QByteArray();
}

// The offsets of the old bytes mean nothing now: the caret is kept inside.
void HexView::sizeChanged()
{
    const CursorState before = cursorState();
    const qint64 sizeBytes = size();
    m_layout.setSize(sizeBytes);
    m_cursor.setSize(sizeBytes);
    adjustScrollBars();
    updateGeometry();
    viewport()->update();
    cursorChanged(before);
}

void HexView::bytesChangedAt(qint64 offset, qint64 length)
{
    if (length > 0)
        updateRows(m_layout.rowOf(offset), m_layout.rowOf(offset + length - 1));
    emit bytesChanged();
}

bool HexView::moveToRestored(const HexRange& restored)
{
    if (restored.isEmpty())
        return false;
    const CursorState before = cursorState();
    m_cursor.moveTo(restored.start, 0);
    cursorChanged(before);
    return true;
}

bool HexView::undo()
{
    return m_source && moveToRestored(m_source->undo());
}

bool HexView::redo()
{
    return m_source && moveToRestored(m_source->redo());
}

// --- clipboard ---------------------------------------------------------------------

void HexView::copy()
{
    const HexRange range = m_cursor.selection();
    if (range.isEmpty())
        return;
    QGuiApplication::clipboard()->setMimeData(
        HexClipboard::encode(m_source->bytes().sliced(range.start, range.length).toByteArray()).release());
}

void HexView::paste()
{
    if (const std::optional<QByteArray> bytes = HexClipboard::decode(QGuiApplication::clipboard()->mimeData()))
        pasteBytes(*bytes);
}

void HexView::pasteBytes(const QByteArray& bytes)
{
    const HexRange range = m_cursor.selection();
    const qint64 start = range.isEmpty() ? m_cursor.offset() : range.start;
    qint64 count = std::min<qint64>(bytes.size(), size() - start);
    if (!range.isEmpty())
        count = std::min(count, range.length);
    if (count <= 0 || !m_source->paste(start, QByteArrayView(bytes).first(count)))
        return;
    const CursorState before = cursorState();
    m_cursor.moveTo(start + count);
    cursorChanged(before);
}

// --- caret and selection -----------------------------------------------------------

HexView::CursorState HexView::cursorState() const
{
    return {m_cursor.offset(), m_cursor.frameOffset(), m_cursor.selection()};
}

void HexView::cursorChanged(const CursorState& before)
{
    const HexRange selection = m_cursor.selection();
    updateRows(m_layout.rowOf(before.frameOffset), m_layout.rowOf(before.frameOffset));
    updateRows(m_layout.rowOf(m_cursor.frameOffset()), m_layout.rowOf(m_cursor.frameOffset()));
    if (!(selection == before.selection)) {
        const auto bounds = [](const HexRange& r) { return r.isEmpty() ? std::pair<qint64, qint64>{-1, -1}
                                                                      : std::pair{r.start, r.end() - 1}; };
        const auto [oldFirst, oldLast] = bounds(before.selection);
        const auto [newFirst, newLast] = bounds(selection);
        const qint64 first = oldFirst < 0 ? newFirst : (newFirst < 0 ? oldFirst : std::min(oldFirst, newFirst));
        const qint64 last = std::max(oldLast, newLast);
        if (first >= 0)
            updateRows(m_layout.rowOf(first), m_layout.rowOf(last));
    }
    ensureCaretVisible();
    if (m_cursor.offset() != before.offset)
        emit cursorMoved(m_cursor.offset());
}

void HexView::setCursorOffset(qint64 offset, int nibble)
{
    const CursorState before = cursorState();
    m_cursor.moveTo(offset, nibble);
    cursorChanged(before);
}

void HexView::setCursorPane(HexPane pane)
{
    const CursorState before = cursorState();
    m_cursor.setPane(pane);
    cursorChanged(before);
}

void HexView::setSelection(qint64 start, qint64 length)
{
    const CursorState before = cursorState();
    m_cursor.select(start, length);
    cursorChanged(before);
}

void HexView::selectAll()
{
    const CursorState before = cursorState();
    m_cursor.selectAll();
    cursorChanged(before);
}

// --- presentation --------------------------------------------------------------------

void HexView::setBytesPerRow(int bytesPerRow)
{
    m_layout.setBytesPerRow(bytesPerRow);
    m_cursor.setBytesPerRow(bytesPerRow);
    adjustScrollBars();
    updateGeometry();
    viewport()->update();
}

void HexView::setBytesPerGroup(int bytesPerGroup)
{
    m_layout.setBytesPerGroup(bytesPerGroup);
    adjustScrollBars();
    updateGeometry();
    viewport()->update();
}

void HexView::refresh() { viewport()->update(); }

QRect HexView::byteRect(qint64 offset, HexPane pane) const
{
    const QRect r = pane == HexPane::Hex ? m_layout.hexByteRect(offset, topRow())
                                         : m_layout.charByteRect(offset, topRow());
    return r.translated(-horizontalScrollBar()->value(), 0);
}

QSize HexView::sizeHint() const
{
    constexpr int kRowsShown = 10;
    const qint64 rows = m_layout.rowCount();
    const int rowsShown = rows == 0 ? kRowsShown : static_cast<int>(std::min<qint64>(rows, kRowsShown));
    const int scrollBar = rows > kRowsShown ? verticalScrollBar()->sizeHint().width() : 0;
    const int frame = 2 * frameWidth();
    return {m_layout.contentWidthPx() + frame + scrollBar,
            m_layout.rulerHeightPx() + rowsShown * m_layout.metrics().lineHeightPx + frame};
}

// --- geometry and painting ------------------------------------------------------------

void HexView::updateMetrics()
{
    const QFontMetricsF fm(font());
    HexMetrics metrics;
    metrics.charWidthPx = static_cast<int>(std::ceil(fm.horizontalAdvance(QLatin1Char('0'))));
    // One pixel of air above and below the characters.
    metrics.lineHeightPx = static_cast<int>(std::ceil(fm.height())) + 2;
    metrics.ascentPx = static_cast<int>(std::ceil(fm.ascent())) + 1;
    m_layout.setMetrics(metrics);
    adjustScrollBars();
    updateGeometry();
    viewport()->update();
}

void HexView::adjustScrollBars()
{
    // Measured without the bars when everything fits the whole area: else
    // two bars that a smaller size needed would keep each other shown.
    QSize area = viewport()->size();
    const QSize whole = maximumViewportSize();
    if (m_layout.contentWidthPx() <= whole.width() && m_layout.rowCount() <= m_layout.visibleRowCount(whole.height()))
        area = whole;
    const int rows = m_layout.visibleRowCount(area.height());
    QScrollBar* vertical = verticalScrollBar();
    vertical->setRange(0, static_cast<int>(std::max<qint64>(0, m_layout.rowCount() - rows)));
    vertical->setPageStep(rows);
    vertical->setSingleStep(1);
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setRange(0, std::max(0, m_layout.contentWidthPx() - area.width()));
    horizontal->setPageStep(area.width());
    horizontal->setSingleStep(m_layout.metrics().charWidthPx);
}

void HexView::ensureCaretVisible()
{
    if (size() == 0)
        return;
    const qint64 offset = m_cursor.frameOffset();
    const qint64 row = m_layout.rowOf(offset);
    const int rows = pageRows();
    QScrollBar* vertical = verticalScrollBar();
    if (row < topRow())
        vertical->setValue(static_cast<int>(row));
    else if (row >= topRow() + rows)
        vertical->setValue(static_cast<int>(row - rows + 1));
    const QRect cell = m_cursor.pane() == HexPane::Hex ? m_layout.hexByteRect(offset, topRow())
                                                       : m_layout.charByteRect(offset, topRow());
    QScrollBar* horizontal = horizontalScrollBar();
    if (cell.left() < horizontal->value())
        horizontal->setValue(cell.left());
    else if (cell.right() >= horizontal->value() + viewport()->width())
        horizontal->setValue(cell.right() - viewport()->width() + 1);
}

void HexView::updateRows(qint64 firstRow, qint64 lastRow)
{
    const qint64 top = topRow();
    firstRow = std::max(firstRow, top);
    lastRow = std::min(lastRow, top + pageRows());
    if (firstRow > lastRow)
        return;
    const int lineHeight = m_layout.metrics().lineHeightPx;
    viewport()->update(QRect(0, m_layout.rowYPx(firstRow, top), viewport()->width(),
                             static_cast<int>(lastRow - firstRow + 1) * lineHeight));
}

qint64 HexView::topRow() const { return verticalScrollBar()->value(); }

int HexView::pageRows() const { return m_layout.visibleRowCount(viewport()->height()); }

void HexView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.setFont(font());
    const HexColors colors = HexColors::fromPalette(palette());
    const std::function<bool(qint64)> changed = [this](qint64 offset) { return isByteChanged(offset); };
    const HexPaintState state{.layout = m_layout,
                              .bytes = m_source ? m_source->bytes() : QByteArrayView(),
                              .changed = changed,
                              .cursor = m_cursor,
                              .chars = HexCharMap::system(),
                              .texts = m_charTexts,
                              .colors = colors,
                              .focused = hasFocus(),
                              .topRow = topRow(),
                              .scrollXPx = horizontalScrollBar()->value(),
                              .viewportSize = viewport()->size()};
    HexPainter(state).paint(painter, event->rect());
}

void HexView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    adjustScrollBars();
}

void HexView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateMetrics();
}

void HexView::scrollContentsBy(int /*dx*/, int /*dy*/) { viewport()->update(); }
