#pragma once
// The hex view's bytes in the window: the editor's record buffer. The view's
// edits become the editor's commands (writeRecordBytes, undoRecordBytes,
// redoRecordBytes), run one at a time as every command of the window is;
// whatever the editor does to the buffer reaches the view as the source's
// signals.

#include "model/RecordBuffer.h"
#include "ui/hexview/HexByteSource.h"

#include <functional>
#include <string_view>

namespace pst {
class Editor;
}

class RecordBytesSource final : public HexByteSource, private pst::RecordBufferObserver {
    Q_OBJECT

public:
    // Runs one command of the window, its changes a step of the script
    // history named by the caption; false when it was refused or failed.
    using CommandRunner = std::function<bool(const std::function<void()>&, std::string_view caption)>;
    // The step of bytes pasted: the caption of the view's menu item.
    static constexpr std::string_view kPasteCaption = "Past";

    RecordBytesSource(pst::Editor& editor, CommandRunner run, QObject* parent = nullptr);
    ~RecordBytesSource() override;

    qint64 size() const override;
    QByteArrayView bytes() const override;
    bool isChanged(qint64 offset) const override;
    bool canUndo() const override;
    bool canRedo() const override;
    // Typed bytes join the step "Typing" before them in the same record.
    bool write(qint64 offset, QByteArrayView bytes) override;
    bool paste(qint64 offset, QByteArrayView bytes) override;
    HexRange undo() override;
    HexRange redo() override;

private:
    bool write(qint64 offset, QByteArrayView bytes, std::string_view caption);
    void recordBytesChanged(pst::ByteRange range) override;
    void recordEditStateReset() override;
    void recordSizeChanged() override;

    pst::Editor& m_editor;
    const pst::RecordBuffer& m_buffer;
    CommandRunner m_run;
};
