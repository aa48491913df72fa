#pragma once
// What the hex view shows and edits: a run of bytes of fixed size, a mark on
// each byte the user changed, and the history of the user's edits. The view
// keeps no copy of the bytes: it reads them here, writes through here and
// repaints what the signals say changed. Whatever else changes the bytes (a
// record loaded, a new size, the marks cleared) reaches the view only as
// these signals.

#include "ui/hexview/HexCursor.h"

#include <QtCore/QByteArrayView>
#include <QtCore/QObject>

class HexByteSource : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    virtual qint64 size() const = 0;
    virtual QByteArrayView bytes() const = 0;
    // Whether the user changed the byte (false outside the bytes).
    virtual bool isChanged(qint64 offset) const = 0;
    virtual bool canUndo() const = 0;
    virtual bool canRedo() const = 0;

    // The user's edit: overwrites from `offset` as one step of the history
    // and marks the bytes. False, and nothing changes, unless the bytes lie
    // wholly inside (or the edit cannot be taken now).
    virtual bool write(qint64 offset, QByteArrayView bytes) = 0;
    // The same for bytes pasted, which a source may keep apart from typing.
    virtual bool paste(qint64 offset, QByteArrayView bytes) { return write(offset, bytes); }
    // Takes back (brings back) the last edit: the range restored, or an
    // empty range when there is nothing to take back.
    virtual HexRange undo() = 0;
    virtual HexRange redo() = 0;

signals:
    // Bytes [offset, offset + length) changed, by an edit or otherwise.
    void bytesChanged(qint64 offset, qint64 length);
    // The marks (and the history) were cleared; the bytes stay.
    void editStateReset();
    // The number of bytes changed.
    void sizeChanged();
};
