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
