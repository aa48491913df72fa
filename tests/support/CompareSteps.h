#pragma once
// Small scripts for the comparison tests: each step a test id, P1, the three
// links and ERROR_CODE, in records of the layout's default size; as rows to
// compare, or as a module file to load.

#include "compare/ScriptComparison.h"
#include "support/ModuleBuilder.h"

#include <vector>

namespace pst::test {

struct Step {
    std::uint16_t testId;
    std::uint32_t p1 = 0;
    std::uint16_t success = 0, error = 0, abort = 0;
    std::uint16_t errorCode = kNoResult;
};

// Fills `rows` (which must outlive the result) and returns them as one side.
inline CompareInput compareSide(const std::vector<Step>& steps, std::vector<StepRow>& rows,
                                ModuleLayout layout = ModuleLayout::Royl)
{
    const std::uint16_t size = layoutInfo(layout).defaultRecordSize;
    for (const Step& s : steps) {
        StepRecord r(size);
        r.setTestId(s.testId);
        r.setParam(1, s.p1);
        r.setLink(0, s.success);
        r.setLink(1, s.error);
        r.setLink(2, s.abort);
        r.setErrorCode(layout, s.errorCode);
        rows.push_back({std::move(r), {}, {}, StepIcon::None});
    }
    return {rows, layout, size};
}

// The same steps as a module of `layout`.
inline ModuleBuilder stepModule(const std::vector<Step>& steps, ModuleLayout layout = ModuleLayout::Royl)
{
    ModuleBuilder b(layout);
    for (const Step& s : steps) {
        StepRecord r = b.record(s.testId, s.errorCode);
        r.setParam(1, s.p1);
        r.setLink(0, s.success);
        r.setLink(1, s.error);
        r.setLink(2, s.abort);
        b.step(r);
    }
    return b;
}

} // namespace pst::test
