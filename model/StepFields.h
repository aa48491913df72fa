#pragma once
// The named fields of a step record, in record order: the one table that the
// field inspector decodes and the hex view's tooltip names.

#include "model/StepRecord.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace pst {

enum class StepFieldKind { TestId, TestArg, Param, PostAction, Link, LogArea, ErrorCode };

struct StepField {
    std::string_view name;
    std::size_t offset;
    std::size_t width; // in bytes
    StepFieldKind kind;
};

// TEST_ID, TEST_ARG, P1 to P16, POST_ACTION, GOTO_ON_SUCCES, GOTO_ON_ERR,
// GOTO_ON_ABRT, the "log area" (0x4E to the record's end) and ERROR_CODE at
// `errorOffset` (the layout's own: errorCodeOffset(layout), inside the log
// area). A field that does not lie wholly inside `recordSize` bytes is left
// out, and so is a log area without bytes.
inline std::vector<StepField> stepFields(std::size_t errorOffset, std::size_t recordSize)
{
    static constexpr std::array<std::string_view, 16> kParams = {
        "P1", "P2", "P3", "P4", "P5", "P6", "P7", "P8", "P9", "P10", "P11", "P12", "P13", "P14", "P15", "P16"};
    static constexpr std::array<std::string_view, 3> kLinks = {"GOTO_ON_SUCCES", "GOTO_ON_ERR", "GOTO_ON_ABRT"};
    std::vector<StepField> fields = {{"TEST_ID", field::TEST_ID, 2, StepFieldKind::TestId},
                                     {"TEST_ARG", field::TEST_ARG, 2, StepFieldKind::TestArg}};
    for (std::size_t k = 0; k < kParams.size(); ++k)
        fields.push_back({kParams[k], field::param(static_cast<int>(k) + 1), 4, StepFieldKind::Param});
    fields.push_back({"POST_ACTION", field::POST_ACTION, 4, StepFieldKind::PostAction});
    for (std::size_t l = 0; l < kLinks.size(); ++l)
        fields.push_back({kLinks[l], field::kLinks[l], 2, StepFieldKind::Link});
    if (recordSize > field::LOG_AREA)
        fields.push_back({"log area", field::LOG_AREA, recordSize - field::LOG_AREA, StepFieldKind::LogArea});
    fields.push_back({"ERROR_CODE", errorOffset, 2, StepFieldKind::ErrorCode});
    std::erase_if(fields, [&](const StepField& f) { return f.offset > recordSize || f.width > recordSize - f.offset; });
    return fields;
}

} // namespace pst
