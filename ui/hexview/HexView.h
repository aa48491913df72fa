#pragma once
// A hex editing widget over bytes of fixed size: 16 bytes to a row in groups
// of four, an offset gutter and a ruler, the hex pane and the character pane.
// Typing overwrites; nothing the user does changes the size.
//
// The widget shows a HexByteSource and keeps no bytes of its own: it reads
// them there, writes the user's edits through it, and repaints what the
// source says changed. It knows no record layout; whoever shows a record in
// it may name the fields for the tooltip (setFieldMap) and set a general hint
// (setHint).
//
// Keys while it has the focus: hex digits (hex pane) or characters (character
// pane) overwrite at the caret; arrows, Home/End, PgUp/PgDn and Ctrl+Home/End
// move, with Shift they select; Tab and Shift+Tab switch panes (Ctrl+Tab
// leaves the widget); Ctrl+A selects all; Ctrl+Z undoes and Ctrl+Shift+Z
// redoes; Ctrl+X does nothing, since cutting would change the size. Ctrl+C and
// Ctrl+V copy and paste unless a shortcut of the window takes them first.

#include "ui/hexview/HexByteSource.h"
#include "ui/hexview/HexCharTexts.h"
#include "ui/hexview/HexCursor.h"
#include "ui/hexview/HexFieldMap.h"
#include "ui/hexview/HexLayout.h"

#include <QtCore/QByteArray>
#include <QtCore/QPointer>
#include <QtWidgets/QAbstractScrollArea>

#include <optional>
#include <utility>

class HexView : public QAbstractScrollArea {
    Q_OBJECT

public:
    static constexpr int kFontPixelSize = 13;

    explicit HexView(QWidget* parent = nullptr);

    // --- the bytes -----------------------------------------------------------
    // The bytes shown; the view does not own the source. None: no bytes.
    void setSource(HexByteSource* source);
    HexByteSource* source() const { return m_source; }
    qint64 size() const { return m_source ? m_source->size() : 0; }
    // A copy of the bytes shown.
    QByteArray bytes() const;
    bool isByteChanged(qint64 offset) const { return m_source && m_source->isChanged(offset); }
    bool canUndo() const { return m_source && m_source->canUndo(); }
    bool canRedo() const { return m_source && m_source->canRedo(); }

    // --- caret and selection -------------------------------------------------
    // The caret's byte; equals size() only at the end of a selection.
    qint64 cursorOffset() const { return m_cursor.offset(); }
    int cursorNibble() const { return m_cursor.nibble(); }
    HexPane cursorPane() const { return m_cursor.pane(); }
    // Puts the caret on a byte (clamped), no selection; nibble 0 is the high
    // half-byte, 1 the low one (other values are clamped to these).
    void setCursorOffset(qint64 offset, int nibble = 0);
    void setCursorPane(HexPane pane);
    bool hasSelection() const { return m_cursor.hasSelection(); }
    HexRange selection() const { return m_cursor.selection(); }
    // Selects [start, start + length), clamped; the caret goes to its end.
    void setSelection(qint64 start, qint64 length);

    // --- presentation -----------------------------------------------------------
    void setHint(const QString& hint) { m_hint = hint; }
    QString hint() const { return m_hint; }
    void setFieldMap(HexFieldMap fields) { m_fields = std::move(fields); }
    const HexFieldMap& fieldMap() const { return m_fields; }
    void setBytesPerRow(int bytesPerRow);
    void setBytesPerGroup(int bytesPerGroup);
    const HexLayout& hexLayout() const { return m_layout; }

    // Where a byte is drawn in a pane, in viewport coordinates.
    QRect byteRect(qint64 offset, HexPane pane) const;
    // The tooltip at a viewport point: the field under it with its value, or
    // the hint where no field is.
    QString toolTipAt(QPoint viewportPos) const;

    // Room for a whole row and for every row up to ten (ten when empty), so
    // that a record shows without scroll bars; the vertical bar's width only
    // when the rows do not fit.
    QSize sizeHint() const override;

public slots:
    // Puts the selected bytes on the clipboard (raw and as hex text); does
    // nothing without a selection.
    void copy();
    // Overwrites from the selection's start (at most the selection's length)
    // or, without a selection, from the caret (bytes beyond the end are
    // dropped). Does nothing when the clipboard holds nothing the view reads.
    void paste();
    // Takes back (brings back) the source's last edit and puts the caret on
    // its first byte; false, changing nothing, when there is none.
    bool undo();
    bool redo();
    void selectAll();
    // Repaints the whole view.
    void refresh();

signals:
    // After every change of the bytes shown, whoever made it.
    void bytesChanged();
    void cursorMoved(qint64 offset);

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    struct CursorState {
        qint64 offset;
        qint64 frameOffset;
        HexRange selection;
    };

    // Input, one kind of key each (HexViewInput.cpp).
    bool isOwnShortcut(const QKeyEvent& event) const;
    bool handleCommandKey(const QKeyEvent& event);
    bool handleTabKey(const QKeyEvent& event);
    bool handleNavigationKey(const QKeyEvent& event);
    bool handleTypingKey(const QKeyEvent& event);
    void typeNibble(int digit);
    void typeByte(quint8 byte);
    void typeByte(quint8 byte, const CursorState& before);
    void prepareTyping();
    QPoint toContent(QPoint viewportPos) const;
    std::optional<qint64> byteAt(QPoint viewportPos, HexPane* pane) const;

    // Changes of the bytes.
    void sizeChanged();
    void bytesChangedAt(qint64 offset, qint64 length);
    bool moveToRestored(const HexRange& restored);
    void pasteBytes(const QByteArray& bytes);

    // Caret changes: remember the state, change, then cursorChanged().
    CursorState cursorState() const;
    void cursorChanged(const CursorState& before);

    // Geometry and repainting.
    void updateMetrics();
    void adjustScrollBars();
    void ensureCaretVisible();
    void updateRows(qint64 firstRow, qint64 lastRow);
    qint64 topRow() const;
    int pageRows() const;

    QPointer<HexByteSource> m_source;
    HexCursor m_cursor;
    HexLayout m_layout;
    HexCharTexts m_charTexts;
    HexFieldMap m_fields;
    QString m_hint;
    bool m_dragging = false;
};
