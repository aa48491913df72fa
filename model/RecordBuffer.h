#pragma once
// The working bytes of the selected step's record as the hex view shows and
// edits them, the marks of the bytes the user changed, and the history of
// those changes (ByteHistory). The editor owns the one buffer and decides
// where its bytes come from and go; views watch it and never write to it.
//
// Its size is RecordSize once a module has been parsed (0 before). A size
// lock, on from the start, keeps edits from changing the size: only the
// program sets another size, with the lock lifted for that change. When the
// selection is removed the buffer keeps the last record's bytes.

#include "model/ByteHistory.h"
#include "model/Bytes.h"
#include "model/ObserverList.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace pst {

// Bytes [offset, offset + length) of a record.
struct ByteRange {
    std::size_t offset = 0;
    std::size_t length = 0;

    bool empty() const { return length == 0; }
    std::size_t end() const { return offset + length; }
    friend bool operator==(const ByteRange&, const ByteRange&) = default;
};

class RecordBufferObserver {
public:
    virtual ~RecordBufferObserver() = default;
    // Bytes in `range` changed: an edit, its undo or redo, or a load.
    virtual void recordBytesChanged(ByteRange /*range*/) {}
    // The history and the change marks were cleared; the bytes stay.
    virtual void recordEditStateReset() {}
    // The size changed (new bytes are 0); history and marks are cleared.
    virtual void recordSizeChanged() {}
};

class RecordBuffer {
public:
    // The error text of a size change refused by the size lock.
    static constexpr std::string_view kFixedSizeError = "Cannot change fixed filesize";

    std::size_t size() const { return m_bytes.size(); }
    const Bytes& bytes() const { return m_bytes; }
    // Whether the user changed the byte since the last reset (false outside).
    bool isChanged(std::size_t offset) const { return offset < m_marks.size() && m_marks[offset]; }
    const ByteHistory& history() const { return m_history; }
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    // Budget of the history in stored bytes (32 unless set).
    void setUndoBudget(std::size_t budgetBytes) { m_history.setBudget(budgetBytes); }

    // --- the program's operations -------------------------------------------
    bool sizeLocked() const { return m_sizeLocked; }
    void setSizeLocked(bool locked) { m_sizeLocked = locked; }
    // Sets the number of bytes: new bytes are 0, bytes beyond the new size
    // are lost. Under the size lock a change to another size, with both the
    // old and the new size non-zero, throws Error(kFixedSizeError) and
    // changes nothing. The same size changes nothing; a real change clears
    // the history and the marks (their offsets name the old bytes).
    void setSize(std::size_t size);
    // setSize() with the lock lifted for this one change; never refused.
    void setSizeUnlocked(std::size_t size);
    // Copies bytes in from offset 0, as many as fit; the size, the history
    // and the marks stay. Told as a change of the bytes copied, even when
    // none differs.
    void load(ByteView bytes);
    // Clears the history (both ways) and the marks.
    void resetEditState();

    // --- the user's edits (through Editor::writeRecordBytes) ------------------
    // Overwrites bytes from `offset`: one history step, the bytes marked as
    // changed, even where a byte keeps its value. Refused (an empty range,
    // nothing changes) unless the bytes lie wholly inside and are not none.
    ByteRange write(std::size_t offset, ByteView bytes);
    // Takes back the last edit (brings back the one taken back), bytes and
    // marks; the range restored, or an empty range when there is none.
    ByteRange undo();
    ByteRange redo();

    // Views watch the buffer; see ObserverList. Const: watching changes nothing.
    void addObserver(RecordBufferObserver* observer) const { m_observers.add(observer); }
    void removeObserver(RecordBufferObserver* observer) const { m_observers.remove(observer); }

private:
    ByteEdit snapshot(std::size_t offset, std::size_t length) const;
    ByteRange restore(const ByteEdit& edit);
    void applySize(std::size_t size);

    Bytes m_bytes;
    std::vector<bool> m_marks;
    ByteHistory m_history;
    bool m_sizeLocked = true;
    mutable ObserverList<RecordBufferObserver> m_observers;
};

} // namespace pst
