#include "ui/session/RecordBytesSource.h"

#include "model/Editor.h"
#include "model/ScriptHistory.h"

namespace {
HexRange hexRange(pst::ByteRange range)
{
    return {static_cast<qint64>(range.offset), static_cast<qint64>(range.length)};
}
} // namespace

RecordBytesSource::RecordBytesSource(pst::Editor& editor, CommandRunner run, QObject* parent)
    : HexByteSource(parent), m_editor(editor), m_buffer(editor.recordBuffer()), m_run(std::move(run))
{
    m_buffer.addObserver(this);
}

RecordBytesSource::~RecordBytesSource() { m_buffer.removeObserver(this); }

qint64 RecordBytesSource::size() const { return static_cast<qint64>(m_buffer.size()); }

QByteArrayView RecordBytesSource::bytes() const
{
    return {reinterpret_cast<const char*>(m_buffer.bytes().data()), size()};
}

bool RecordBytesSource::isChanged(qint64 offset) const
{
    return offset >= 0 && m_buffer.isChanged(static_cast<std::size_t>(offset));
}

bool RecordBytesSource::canUndo() const { return m_buffer.canUndo(); }

bool RecordBytesSource::canRedo() const { return m_buffer.canRedo(); }

bool RecordBytesSource::write(qint64 offset, QByteArrayView bytes, std::string_view caption)
{
    if (offset < 0)
        return false;
    const pst::ByteView view(reinterpret_cast<const pst::Byte*>(bytes.data()), static_cast<std::size_t>(bytes.size()));
    bool written = false;
    m_run([&] { written = !m_editor.writeRecordBytes(static_cast<std::size_t>(offset), view).empty(); }, caption);
    return written;
}

bool RecordBytesSource::write(qint64 offset, QByteArrayView bytes) { return write(offset, bytes, pst::kTypingCaption); }

bool RecordBytesSource::paste(qint64 offset, QByteArrayView bytes) { return write(offset, bytes, kPasteCaption); }

// The view's byte undo goes on with the typing it takes back.
HexRange RecordBytesSource::undo()
{
    pst::ByteRange restored;
    m_run([&] { restored = m_editor.undoRecordBytes(); }, pst::kTypingCaption);
    return hexRange(restored);
}

HexRange RecordBytesSource::redo()
{
    pst::ByteRange restored;
    m_run([&] { restored = m_editor.redoRecordBytes(); }, pst::kTypingCaption);
    return hexRange(restored);
}

void RecordBytesSource::recordBytesChanged(pst::ByteRange range)
{
    const HexRange r = hexRange(range);
    emit bytesChanged(r.start, r.length);
}

void RecordBytesSource::recordEditStateReset() { emit editStateReset(); }

void RecordBytesSource::recordSizeChanged() { emit sizeChanged(); }
