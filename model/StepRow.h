#pragma once
// One row of the step list: its record, the texts of its two columns and its
// result icon.

#include "model/SharedText.h"
#include "model/StepRecord.h"

#include <array>
#include <cstdint>

namespace pst {

// Caption and description are shared texts: the rows of one test keep one
// copy of each, and moving a row moves two pointers.
struct StepRow {
    StepRecord record;
    SharedText caption;
    SharedText description;
    StepIcon icon = StepIcon::None;

    friend bool operator==(const StepRow&, const StepRow&) = default;
};

// The three links of a record: GOTO_ON_SUCCES, GOTO_ON_ERR, GOTO_ON_ABRT.
using RowLinks = std::array<std::uint16_t, 3>;

// Compared field by field: the library's comparison of arrays calls memcmp,
// which costs more than the three words.
inline bool sameLinks(const RowLinks& a, const RowLinks& b)
{
    return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}

// Whether the record holds all three links (a short one reads 0 and writes
// nothing outside).
inline bool holdsLinks(const StepRecord& record) { return record.size() >= field::GOTO_ON_ABRT + 2; }

inline RowLinks readLinks(const StepRecord& record)
{
    return {record.link(0), record.link(1), record.link(2)};
}

inline void writeLinks(StepRecord& record, const RowLinks& links)
{
    for (int l = 0; l < 3; ++l)
        record.setLink(l, links[static_cast<std::size_t>(l)]);
}

} // namespace pst
