#include "compare/DifferenceText.h"

#include "model/Hex.h"
#include "model/Messages.h"

namespace pst {

std::string fieldValueText(const FieldDifference& d, const StepRecord& record, CompareSide side)
{
    const bool left = side == CompareSide::Left;
    if (d.kind == StepFieldKind::LogArea) {
        const FieldSpan span = left ? d.left : d.right;
        std::string out;
        for (std::size_t at = span.offset; at < span.offset + span.width && at < record.size(); ++at)
            appendHexUpper(out, record.bytes()[at], 2);
        return out;
    }
    const std::uint32_t value = left ? d.leftValue : d.rightValue;
    return d.kind == StepFieldKind::TestId ? hex2(value) : hexUpper(value);
}

std::string linkTargetWords(std::uint16_t link, const CompareInput& side)
{
    if (link == kNoStep)
        return std::string(msg::kNoNextStep);
    if (link == 0)
        return std::string(msg::kCompareNoStep);
    if (link > side.rows.size())
        return std::string(msg::kCompareOutsideScript);
    return "step " + std::to_string(link) + ": " + hex2(side.rows[link - 1u].record.testId());
}

std::string differenceText(const FieldDifference& d, const CompareInput& left, const CompareInput& right,
                           const CompareLine& line)
{
    const auto [l, r] = ScriptComparison::pairRows(line);
    std::string text = std::string(d.name) + " "
        + fieldValueText(d, left.rows[static_cast<std::size_t>(l)].record, CompareSide::Left) + " -> "
        + fieldValueText(d, right.rows[static_cast<std::size_t>(r)].record, CompareSide::Right);
    if (d.kind == StepFieldKind::Link)
        text += " (" + linkTargetWords(static_cast<std::uint16_t>(d.leftValue), left) + " -> "
            + linkTargetWords(static_cast<std::uint16_t>(d.rightValue), right) + ")";
    return text;
}

} // namespace pst
