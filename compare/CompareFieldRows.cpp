#include "compare/CompareFieldRows.h"

#include "compare/DifferenceText.h"
#include "model/Hex.h"
#include "model/StepFields.h"

namespace pst {

namespace {

// The line that carries a moved step's field differences: its OnlyRight one.
const CompareLine& differenceLine(const ScriptComparison& c, const CompareLine& line)
{
    if (line.kind == LineKind::OnlyLeft && line.movedRow >= 0) {
        const int other = c.rightLine.at(static_cast<std::size_t>(line.movedRow));
        return c.lines.at(static_cast<std::size_t>(other));
    }
    return line;
}

std::string valueText(const StepField& f, const StepRecord& record, const CompareInput& side)
{
    if (f.kind == StepFieldKind::LogArea) {
        std::string out;
        for (std::size_t at = f.offset; at < record.size(); ++at)
            appendHexUpper(out, record.bytes()[at], 2);
        return out;
    }
    const std::uint32_t value = f.width == 2 ? record.u16(f.offset) : record.u32(f.offset);
    if (f.kind == StepFieldKind::TestId)
        return hex2(value);
    if (f.kind == StepFieldKind::Link)
        return hexUpper(value) + " (" + linkTargetWords(static_cast<std::uint16_t>(value), side) + ")";
    return hexUpper(value);
}

// The fields shown, in record order, with ERROR_CODE where this side's
// layout keeps it.
std::vector<StepField> shownFields(const CompareInput& side, CompareOptions options)
{
    std::vector<StepField> fields = stepFields(errorCodeOffset(side.layout), 0x10000);
    std::erase_if(fields, [&](const StepField& f) { return f.kind == StepFieldKind::LogArea && !options.logs; });
    return fields;
}

} // namespace

std::pair<int, int> shownRows(const CompareLine& line)
{
    if (line.kind == LineKind::OnlyLeft && line.movedRow >= 0)
        return {line.left, line.movedRow};
    return ScriptComparison::pairRows(line);
}

std::vector<CompareFieldRow> compareFieldRows(const ScriptComparison& c, const CompareInput& left,
                                              const CompareInput& right, int line, CompareOptions options)
{
    const CompareLine& l = c.lines.at(static_cast<std::size_t>(line));
    const auto [leftRow, rightRow] = shownRows(l);
    const auto differences = c.differencesOf(differenceLine(c, l));
    const std::vector<StepField> leftFields = shownFields(left, options), rightFields = shownFields(right, options);
    std::vector<CompareFieldRow> rows;
    rows.reserve(leftFields.size());
    // Both sides list the same fields in the same order; only ERROR_CODE's
    // offset may differ.
    for (std::size_t k = 0; k < leftFields.size() && k < rightFields.size(); ++k) {
        CompareFieldRow row{leftFields[k].name, {}, {}, nullptr};
        if (leftRow >= 0)
            row.left = valueText(leftFields[k], left.rows[static_cast<std::size_t>(leftRow)].record, left);
        if (rightRow >= 0)
            row.right = valueText(rightFields[k], right.rows[static_cast<std::size_t>(rightRow)].record, right);
        for (const FieldDifference& d : differences)
            if (d.name == row.name)
                row.difference = &d;
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace pst
