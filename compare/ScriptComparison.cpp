#include "compare/ScriptComparison.h"

#include "compare/StepAlignment.h"

#include <algorithm>

namespace pst {

namespace {

// The fields compared by value and the links, from the record's one table.
std::vector<StepField> pairFields()
{
    std::vector<StepField> fields = stepFields(0, field::LOG_AREA);
    std::erase_if(fields, [](const StepField& f) {
        return f.kind == StepFieldKind::LogArea || f.kind == StepFieldKind::ErrorCode;
    });
    return fields;
}

std::uint32_t valueOf(const StepRecord& record, std::size_t offset, std::size_t width)
{
    return width == 2 ? record.u16(offset) : record.u32(offset);
}

// One side of a pair of steps.
struct PairSide {
    const StepRecord& record;
    ModuleLayout layout;
};

class FieldComparer {
public:
    FieldComparer(ScriptComparison& comparison, CompareOptions options)
        : m_comparison(comparison), m_options(options), m_fields(pairFields())
    {
    }

    // Appends the differences of one pair; `sameKey` skips the key fields,
    // known to be equal.
    void compare(const PairSide& left, const PairSide& right, bool sameKey)
    {
        for (const StepField& f : m_fields) {
            if (sameKey && f.kind != StepFieldKind::Link)
                continue;
            const std::uint32_t l = valueOf(left.record, f.offset, f.width);
            const std::uint32_t r = valueOf(right.record, f.offset, f.width);
            const bool differs = f.kind == StepFieldKind::Link
                ? linkRelation(m_comparison, static_cast<std::uint16_t>(l), static_cast<std::uint16_t>(r))
                    == LinkRelation::Different
                : l != r;
            if (differs)
                add(f.name, f.kind, {f.offset, f.width}, {f.offset, f.width}, l, r);
        }
        if (m_options.logs)
            compareLogs(left, right);
    }

private:
    void add(std::string_view name, StepFieldKind kind, FieldSpan l, FieldSpan r, std::uint32_t lv, std::uint32_t rv)
    {
        m_comparison.differences.push_back({name, kind, l, r, lv, rv});
    }

    // ERROR_CODE by value, each at its layout's offset; the rest of the log
    // area byte by byte, the shorter one read as if followed by zeros.
    void compareLogs(const PairSide& left, const PairSide& right)
    {
        const std::size_t le = errorCodeOffset(left.layout), re = errorCodeOffset(right.layout);
        const std::uint16_t lv = left.record.u16(le), rv = right.record.u16(re);
        if (lv != rv)
            add("ERROR_CODE", StepFieldKind::ErrorCode, {le, 2}, {re, 2}, lv, rv);
        const FieldSpan ll = logSpan(left.record), rl = logSpan(right.record);
        for (std::size_t at = field::LOG_AREA; at < field::LOG_AREA + std::max(ll.width, rl.width); ++at) {
            if (logByte(left.record, le, at) != logByte(right.record, re, at)) {
                add("log area", StepFieldKind::LogArea, ll, rl, 0, 0);
                return;
            }
        }
    }

    static FieldSpan logSpan(const StepRecord& r)
    {
        return {field::LOG_AREA, r.size() > field::LOG_AREA ? r.size() - field::LOG_AREA : 0};
    }

    static Byte logByte(const StepRecord& r, std::size_t errorOffset, std::size_t at)
    {
        if (at >= r.size() || at - errorOffset < 2)
            return 0;
        return r.bytes()[at];
    }

    ScriptComparison& m_comparison;
    CompareOptions m_options;
    std::vector<StepField> m_fields;
};

void mapRows(ScriptComparison& c, std::size_t leftRows, std::size_t rightRows)
{
    c.leftToRight.assign(leftRows, -1);
    c.rightToLeft.assign(rightRows, -1);
    c.leftLine.assign(leftRows, -1);
    c.rightLine.assign(rightRows, -1);
    for (int n = 0; n < static_cast<int>(c.lines.size()); ++n) {
        const CompareLine& line = c.lines[static_cast<std::size_t>(n)];
        const int left = line.kind == LineKind::OnlyRight ? line.movedRow : line.left;
        const int right = line.kind == LineKind::OnlyLeft ? line.movedRow : line.right;
        if (line.left >= 0)
            c.leftLine[static_cast<std::size_t>(line.left)] = n;
        if (line.right >= 0)
            c.rightLine[static_cast<std::size_t>(line.right)] = n;
        if (left >= 0 && right >= 0) {
            c.leftToRight[static_cast<std::size_t>(left)] = right;
            c.rightToLeft[static_cast<std::size_t>(right)] = left;
        }
    }
}

bool differs(const CompareLine& line) { return line.kind != LineKind::Same; }

} // namespace

bool ScriptComparison::identical() const
{
    return std::none_of(lines.begin(), lines.end(), differs);
}

ScriptComparison compareScripts(const CompareInput& left, const CompareInput& right, CompareOptions options)
{
    ScriptComparison c;
    c.lines = alignSteps(left.rows, right.rows);
    mapRows(c, left.rows.size(), right.rows.size());
    FieldComparer comparer(c, options);
    for (CompareLine& line : c.lines) {
        const int l = line.kind == LineKind::OnlyRight ? line.movedRow : line.left;
        const int r = line.kind == LineKind::OnlyLeft ? -1 : line.right;
        if (l < 0 || r < 0)
            continue;
        line.firstDifference = static_cast<std::uint32_t>(c.differences.size());
        const bool sameKey = line.kind != LineKind::Changed;
        comparer.compare({left.rows[static_cast<std::size_t>(l)].record, left.layout},
                         {right.rows[static_cast<std::size_t>(r)].record, right.layout}, sameKey);
        line.differenceCount = static_cast<std::uint32_t>(c.differences.size()) - line.firstDifference;
        if (line.kind == LineKind::Same && line.differenceCount > 0)
            line.kind = LineKind::Changed;
    }
    return c;
}

LinkRelation linkRelation(const ScriptComparison& c, std::uint16_t left, std::uint16_t right)
{
    const auto stepOf = [](std::uint16_t link, std::size_t rows) {
        return link != 0 && link != kNoStep && static_cast<std::size_t>(link) <= rows ? link - 1 : -1;
    };
    const int l = stepOf(left, c.leftToRight.size());
    const int r = stepOf(right, c.rightToLeft.size());
    if (l < 0 || r < 0)
        return l < 0 && r < 0 && left == right ? LinkRelation::Equal : LinkRelation::Different;
    if (c.leftToRight[static_cast<std::size_t>(l)] != r)
        return LinkRelation::Different;
    return left == right ? LinkRelation::Equal : LinkRelation::SameStep;
}

int nextDifference(const ScriptComparison& c, int line)
{
    const int n = static_cast<int>(c.lines.size());
    int at = std::max(line, 0);
    while (at < n && line >= 0 && differs(c.lines[static_cast<std::size_t>(at)]))
        ++at; // the rest of line's own run
    while (at < n && !differs(c.lines[static_cast<std::size_t>(at)]))
        ++at;
    return at < n ? at : -1;
}

int previousDifference(const ScriptComparison& c, int line)
{
    int at = std::min(line, static_cast<int>(c.lines.size())) - 1;
    while (at >= 0 && !differs(c.lines[static_cast<std::size_t>(at)]))
        --at;
    if (at < 0)
        return -1;
    while (at > 0 && differs(c.lines[static_cast<std::size_t>(at - 1)]))
        --at;
    return at;
}

} // namespace pst
