#include "model/StepLinks.h"

namespace pst {

namespace {
std::uint16_t stepNumber(int row) { return static_cast<std::uint16_t>(row + 1); }
} // namespace

void renumberAfterInsert(StepList& steps, int pos)
{
    const int n = steps.size();
    for (int i = pos + 1; i < n; ++i) {
        StepRecord& rec = steps.editRecord(i);
        for (int l = 0; l < 3; ++l) {
            const std::uint16_t v = rec.link(l);
            if (v != 0 && v != kNoStep && v < n - 1)
                rec.setLink(l, static_cast<std::uint16_t>(v + 1));
        }
    }
    steps.recordsChanged(pos + 1, n - 1);
}

void renumberAfterDelete(StepList& steps, int start)
{
    const int n = steps.size();
    for (int i = start; i < n; ++i) {
        StepRecord& rec = steps.editRecord(i);
        for (int l = 0; l < 3; ++l) {
            const std::uint16_t v = rec.link(l);
            if (v != 0 && v != kNoStep)
                rec.setLink(l, static_cast<std::uint16_t>(v - 1));
        }
    }
    steps.recordsChanged(start, n - 1);
}

void shiftSuccessLink(StepList& steps, int row, int delta)
{
    if (!steps.valid(row))
        return;
    StepRecord& rec = steps.editRecord(row);
    const std::uint16_t v = rec.link(0);
    if (v == kNoStep)
        return;
    rec.setLink(0, static_cast<std::uint16_t>(v + delta));
    steps.recordChanged(row);
}

void applyEndRule(StepList& steps)
{
    const int n = steps.size();
    for (int i = 0; i < n; ++i) {
        StepRecord& rec = steps.editRecord(i);
        if (i < n - 3) {
            rec.setLink(0, stepNumber(i + 1));
            rec.setLink(1, static_cast<std::uint16_t>(n - 1));
            rec.setLink(2, static_cast<std::uint16_t>(n));
        } else {
            rec.setLinks(kNoStep);
        }
    }
    steps.recordsChanged(0, n - 1);
}

void applyStopRule(StepList& steps)
{
    const int n = steps.size();
    for (int i = 0; i < n; ++i) {
        StepRecord& rec = steps.editRecord(i);
        rec.setLink(0, stepNumber(i + 1));
        rec.setLink(1, kNoStep);
        rec.setLink(2, kNoStep);
    }
    if (n > 0)
        steps.editRecord(n - 1).setLinks(kNoStep);
    steps.recordsChanged(0, n - 1);
}

void applyStepByStep(StepList& steps)
{
    const int n = steps.size();
    for (int i = 0; i <= n - 2; ++i) {
        StepRecord& rec = steps.editRecord(i);
        if (i == n - 2 && rec.testId() == 0x00DC)
            continue;
        rec.setLink(0, stepNumber(i + 1));
    }
    if (n > 0)
        steps.editRecord(n - 1).setLinks(kNoStep);
    steps.recordsChanged(0, n - 1);
}

void clearLog(StepRecord& record, ModuleLayout layout)
{
    record.zero(field::LOG_AREA, record.size());
    record.setErrorCode(layout, kNoResult);
}

} // namespace pst
