#include "compare/ScriptTake.h"

#include "compare/StepKeys.h"
#include "model/StepLinks.h"

#include <algorithm>

namespace pst {

namespace {

// The two sides of a take: the one written and the one read.
struct Sides {
    const CompareInput& into;
    const CompareInput& from;
    const std::vector<int>& fromToInto; // rows of `from` to rows of `into`
    bool intoLeft;

    int intoRow(const CompareLine& l) const { return intoLeft ? l.left : l.right; }
    int fromRow(const CompareLine& l) const { return intoLeft ? l.right : l.left; }
    const StepRecord& intoRecord(int row) const { return into.rows[static_cast<std::size_t>(row)].record; }
    const StepRecord& fromRecord(int row) const { return from.rows[static_cast<std::size_t>(row)].record; }
};

Sides sides(const ScriptComparison& c, const CompareInput& left, const CompareInput& right, CompareSide into)
{
    if (into == CompareSide::Left)
        return {left, right, c.rightToLeft, true};
    return {right, left, c.leftToRight, false};
}

// A step of `from` about to be inserted into `into` at `row`.
struct Insertion {
    int fromRow = -1;
    int row = -1;
};

// The step a link of `from` names, numbered on `into`, where `inserted` is
// about to come in (a link to it, its own included, names it; the rows
// from there on count one more).
std::optional<std::uint16_t> translateLink(std::uint16_t link, const Sides& s, Insertion inserted)
{
    if (link == 0 || link == kNoStep || static_cast<std::size_t>(link) > s.fromToInto.size())
        return link;
    int row = s.fromToInto[static_cast<std::size_t>(link - 1)];
    if (link - 1 == inserted.fromRow)
        row = inserted.row;
    else if (row < 0)
        return std::nullopt;
    else if (inserted.row >= 0 && row >= inserted.row)
        ++row;
    if (row + 1 >= kNoStep)
        return std::nullopt;
    return static_cast<std::uint16_t>(row + 1);
}

Bytes valueBytes(std::uint32_t value, std::size_t width)
{
    Bytes b(width);
    if (width == 2)
        putU16(b, 0, static_cast<std::uint16_t>(value));
    else
        putU32(b, 0, value);
    return b;
}

// The other side's log area in this side's length, its ERROR_CODE moved to
// this side's offset.
Bytes logArea(const Sides& s, const StepRecord& from, std::size_t width)
{
    Bytes b(width, 0);
    const ByteView bytes = from.bytes();
    if (bytes.size() > field::LOG_AREA)
        std::copy_n(bytes.begin() + field::LOG_AREA, std::min(width, bytes.size() - field::LOG_AREA), b.begin());
    const std::size_t intoError = errorCodeOffset(s.into.layout) - field::LOG_AREA;
    putU16(b, intoError, from.errorCode(s.from.layout));
    return b;
}

// The other step's key and links over `record`.
int takeKeyAndLinks(StepRecord& record, const StepRecord& from, const Sides& s, Insertion inserted)
{
    record.zero(0, kStepKeyBytes);
    record.overwrite(0, from.bytes().first(std::min(from.size(), kStepKeyBytes)));
    int unlinked = 0;
    for (int k = 0; k < 3; ++k) {
        const auto link = translateLink(from.link(k), s, inserted);
        unlinked += !link;
        record.setLink(k, link.value_or(kNoStep));
    }
    return unlinked;
}

// Where a step of the other side goes: after this side's row of the
// nearest line above that has one.
int insertionRow(const ScriptComparison& c, const Sides& s, int line)
{
    for (int n = line - 1; n >= 0; --n) {
        const int row = s.intoRow(c.lines[static_cast<std::size_t>(n)]);
        if (row >= 0)
            return row + 1;
    }
    return 0;
}

} // namespace

std::optional<FieldEdit> takeField(const ScriptComparison& c, const CompareInput& left, const CompareInput& right,
                                   int line, const FieldDifference& d, CompareSide into)
{
    const Sides s = sides(c, left, right, into);
    const auto [leftRow, rightRow] = ScriptComparison::pairRows(c.lines.at(static_cast<std::size_t>(line)));
    const int intoRow = s.intoLeft ? leftRow : rightRow;
    const int fromRow = s.intoLeft ? rightRow : leftRow;
    if (intoRow < 0 || fromRow < 0)
        return std::nullopt;
    const FieldSpan span = s.intoLeft ? d.left : d.right;
    const std::uint32_t value = s.intoLeft ? d.rightValue : d.leftValue;
    switch (d.kind) {
    case StepFieldKind::Link: {
        const auto link = translateLink(static_cast<std::uint16_t>(value), s, {});
        if (!link)
            return std::nullopt;
        return FieldEdit{span.offset, valueBytes(*link, 2)};
    }
    case StepFieldKind::LogArea: return FieldEdit{span.offset, logArea(s, s.fromRecord(fromRow), span.width)};
    default: return FieldEdit{span.offset, valueBytes(value, span.width)};
    }
}

std::optional<StepEdit> takeStep(const ScriptComparison& c, const CompareInput& left, const CompareInput& right,
                                 int line, CompareSide into)
{
    const Sides s = sides(c, left, right, into);
    const CompareLine& l = c.lines.at(static_cast<std::size_t>(line));
    const int intoRow = s.intoRow(l), fromRow = s.fromRow(l);
    if (l.kind == LineKind::Same)
        return std::nullopt;
    if (fromRow < 0)
        return StepEdit{StepEdit::Action::Remove, intoRow, {}, 0};
    if (intoRow >= 0) {
        StepEdit edit{StepEdit::Action::Replace, intoRow, s.intoRecord(intoRow), 0};
        edit.unlinked = takeKeyAndLinks(edit.record, s.fromRecord(fromRow), s, {});
        return edit;
    }
    const StepRecord& from = s.fromRecord(fromRow);
    StepEdit edit{StepEdit::Action::Insert, insertionRow(c, s, line),
                  StepRecord(s.into.recordSize != 0 ? s.into.recordSize : from.size()), 0};
    edit.unlinked = takeKeyAndLinks(edit.record, from, s, {fromRow, edit.row});
    clearLog(edit.record, s.into.layout);
    return edit;
}

} // namespace pst
