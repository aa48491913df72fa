#pragma once
// What an edit in place changed in a run of rows, and only that: for each row
// that differs afterwards, the bytes between its first and last changed byte
// (the whole record when its size changed), its texts and its icon when they
// changed. The step list fills it row by row while the edit runs; taking the
// edit back and bringing it back again both swap the kept values with the
// rows' present ones.

#include "model/StepRow.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pst {

class StepList;

class RowPatches {
public:
    // Around the edit of one row: what it was, then what it became.
    void before(const StepRow& row)
    {
        const ByteView bytes = row.record.bytes();
        m_before.assign(bytes.begin(), bytes.end());
        m_caption = row.caption;
        m_description = row.description;
        m_icon = row.icon;
    }
    void after(int index, const StepRow& row);

    // The edit is over: lets go of what only the row being edited needed.
    void finish();

    bool empty() const { return m_patches.empty(); }
    std::size_t memory() const;
    // Swaps the kept values with the rows' own: the edit is taken back, or
    // brought back when it was.
    void exchange(StepList& steps);

private:
    struct Patch {
        int row = 0;
        std::uint32_t offset = 0; // into the record
        std::uint32_t length = 0; // bytes kept, at `at` in m_bytes
        std::size_t at = 0;
        bool wholeRecord = false; // the record's size changed: kept whole
        bool texts = false;       // caption and description kept, at m_texts[text]
        std::uint32_t text = 0;
        StepIcon icon = StepIcon::None;
    };
    struct Texts {
        SharedText caption;
        SharedText description;
    };

    std::vector<Patch> m_patches;
    Bytes m_bytes;
    std::vector<Texts> m_texts;
    // The row being edited, as it was.
    Bytes m_before;
    SharedText m_caption;
    SharedText m_description;
    StepIcon m_icon = StepIcon::None;
};

} // namespace pst
