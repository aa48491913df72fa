#pragma once
// A step record decoded field by field, for the field inspector: every field
// with its name, place, value and what the value means here (the test's
// description, the TREX line of the post action, the steps the links point
// to, the error's text).

#include "model/ModuleLayout.h"
#include "model/StepList.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pst {

class Catalogs;

struct StepFieldInfo {
    std::string name;     // "TEST_ID", "P3", "log area", ...
    std::size_t offset;   // in the record
    std::size_t width;    // in bytes
    // The little-endian value; none for the log area, which holds many values.
    std::optional<std::uint32_t> value;
    std::string meaning;
    // The value is suspect: a link that points outside the script.
    bool warning = false;

    // Only fields with one value are edited as a number.
    bool editable() const { return value.has_value(); }
    bool contains(std::size_t byte) const { return byte >= offset && byte - offset < width; }
};

// The fields of stepFields() for the record and the layout's ERROR_CODE
// offset, in record order; an empty record gives none.
//
// Meanings: TEST_ID the step description from ModDescr.ini (HOST_SEQ for
// bit 15; "ends the script" for 0, "not in ModDescr.ini" when missing);
// POST_ACTION the line the TREX export writes for it; a link what
// linkTargetText() says; the log area its size; ERROR_CODE the text of
// Errors.ini, as the status line shows it. The other fields mean nothing
// beyond their value.
std::vector<StepFieldInfo> describeStepFields(const StepRecord& record, ModuleLayout layout, const StepList& steps,
                                              Catalogs& catalogs);

// Index of the field that holds the byte: the narrowest, so that a byte of
// ERROR_CODE names ERROR_CODE rather than the log area; nullopt for none.
std::optional<std::size_t> fieldIndexAt(const std::vector<StepFieldInfo>& fields, std::size_t byte);

} // namespace pst
