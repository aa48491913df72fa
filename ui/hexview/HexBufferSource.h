#pragma once
// Bytes of its own for the hex view alone (its demo, its tests): edits
// overwrite and mark the bytes, and nothing is kept to take them back.

#include "ui/hexview/HexByteSource.h"

#include <QtCore/QBitArray>
#include <QtCore/QByteArray>

class HexBufferSource : public HexByteSource {
    Q_OBJECT

public:
    using HexByteSource::HexByteSource;

    // Replaces the bytes, whatever their number; the marks are cleared.
    void setBytes(const QByteArray& bytes);
    void clearMarks();

    qint64 size() const override { return m_bytes.size(); }
    QByteArrayView bytes() const override { return m_bytes; }
    bool isChanged(qint64 offset) const override;
    bool canUndo() const override { return false; }
    bool canRedo() const override { return false; }
    bool write(qint64 offset, QByteArrayView bytes) override;
    HexRange undo() override { return {}; }
    HexRange redo() override { return {}; }

private:
    QByteArray m_bytes;
    QBitArray m_marks;
};
