#include "compare/ScriptComparison.h"

#include "compare/StepAlignment.h"

#include <algorithm>

namespace pst {

namespace {

// The fields of the key and the links, from the record's one table.
std::vector<StepField> pairFields(StepFieldKind wanted)
{
    std::vector<StepField> fields = stepFields(0, field::LOG_AREA);
    std::erase_if(fields, [wanted](const StepField& f) {
        const bool link = f.kind == StepFieldKind::Link;
        return link != (wanted == StepFieldKind::Link) || f.kind == StepFieldKind::ErrorCode;
    });
    return fields;
}

std::uint32_t valueOf(const StepRecord& record, const StepField& f)
{
    return f.width == 2 ? record.u16(f.offset) : record.u32(f.offset);
}

class FieldComparer {
public:
    FieldComparer(ScriptComparison& comparison, const CompareInput& left, const CompareInput& right,
                  const StepKeys& keys, CompareOptions options)
        : m_comparison(comparison), m_left(left), m_right(right), m_keys(keys), m_options(options),
          m_keyFields(pairFields(StepFieldKind::TestId)), m_linkFields(pairFields(StepFieldKind::Link))
    {
    }

    // Appends the differences of left row l and right row r; `sameKey`
    // skips the fields of the key, known to be equal.
    void compare(int l, int r, bool sameKey)
    {
        const StepRecord& lr = m_left.rows[static_cast<std::size_t>(l)].record;
        const StepRecord& rr = m_right.rows[static_cast<std::size_t>(r)].record;
        if (!sameKey) {
            for (const StepField& f : m_keyFields) {
                const std::uint32_t lv = valueOf(lr, f), rv = valueOf(rr, f);
                if (lv != rv)
                    add(f, {f.offset, f.width}, {f.offset, f.width}, lv, rv);
            }
        }
        const StepLinkValues& ll = m_keys.leftLinks[static_cast<std::size_t>(l)];
        const StepLinkValues& rl = m_keys.rightLinks[static_cast<std::size_t>(r)];
        for (std::size_t k = 0; k < ll.size(); ++k) {
            if (linkRelation(m_comparison, ll[k], rl[k]) == LinkRelation::Different) {
                const StepField& f = m_linkFields[k];
                add(f, {f.offset, f.width}, {f.offset, f.width}, ll[k], rl[k]);
            }
        }
        if (m_options.logs)
            compareLogs(lr, rr);
    }

private:
    void add(const StepField& f, FieldSpan l, FieldSpan r, std::uint32_t lv, std::uint32_t rv)
    {
        m_comparison.differences.push_back({f.name, f.kind, l, r, lv, rv});
    }

    // ERROR_CODE by value, each at its layout's offset; the rest of the log
    // area byte by byte, the shorter one read as if followed by zeros.
    void compareLogs(const StepRecord& left, const StepRecord& right)
    {
        static const StepField kErrorCode = {"ERROR_CODE", 0, 2, StepFieldKind::ErrorCode};
        static const StepField kLogArea = {"log area", field::LOG_AREA, 0, StepFieldKind::LogArea};
        const std::size_t le = errorCodeOffset(m_left.layout), re = errorCodeOffset(m_right.layout);
        const std::uint16_t lv = left.u16(le), rv = right.u16(re);
        if (lv != rv)
            add(kErrorCode, {le, 2}, {re, 2}, lv, rv);
        const FieldSpan ll = logSpan(left), rl = logSpan(right);
        for (std::size_t at = field::LOG_AREA; at < field::LOG_AREA + std::max(ll.width, rl.width); ++at) {
            if (logByte(left, le, at) != logByte(right, re, at)) {
                add(kLogArea, ll, rl, 0, 0);
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
    const CompareInput& m_left;
    const CompareInput& m_right;
    const StepKeys& m_keys;
    CompareOptions m_options;
    std::vector<StepField> m_keyFields, m_linkFields;
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

std::pair<int, int> ScriptComparison::pairRows(const CompareLine& line)
{
    switch (line.kind) {
    case LineKind::OnlyLeft: return {line.left, -1};
    case LineKind::OnlyRight: return {line.movedRow, line.right};
    default: return {line.left, line.right};
    }
}

bool ScriptComparison::identical() const
{
    return std::none_of(lines.begin(), lines.end(), differs);
}

ScriptComparison compareScripts(const CompareInput& left, const CompareInput& right, CompareOptions options)
{
    ScriptComparison c;
    const StepKeys keys = stepKeys(left.rows, right.rows);
    c.lines = alignSteps(left.rows, right.rows, keys);
    mapRows(c, left.rows.size(), right.rows.size());
    FieldComparer comparer(c, left, right, keys, options);
    for (CompareLine& line : c.lines) {
        const auto [l, r] = ScriptComparison::pairRows(line);
        if (l < 0 || r < 0)
            continue;
        line.firstDifference = static_cast<std::uint32_t>(c.differences.size());
        comparer.compare(l, r, line.kind != LineKind::Changed);
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

CompareCounts compareCounts(const ScriptComparison& c)
{
    CompareCounts n;
    for (const CompareLine& line : c.lines) {
        const bool moved = line.movedRow >= 0;
        switch (line.kind) {
        case LineKind::Same: break;
        case LineKind::Changed: ++n.changed; break;
        case LineKind::OnlyLeft: moved ? ++n.moved : ++n.removed; break;
        case LineKind::OnlyRight: n.added += !moved; break;
        }
    }
    return n;
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
