#include "cli/CompareReport.h"

#include "compare/DifferenceText.h"
#include "model/Hex.h"
#include "model/TextDecode.h"

namespace pst::cli {

namespace {

using nlohmann::ordered_json;

std::string stepNumber(int row) { return std::to_string(row + 1); }

std::string testId(const CompareInput& side, int row)
{
    return hex2(side.rows[static_cast<std::size_t>(row)].record.testId());
}

std::string steps(std::size_t n) { return std::to_string(n) + (n == 1 ? " step" : " steps"); }

// "- step 2 (11)" and "+ step 4 (11)", with where a moved step stands.
std::string gapLine(const CompareReport& r, const CompareLine& line)
{
    if (line.kind == LineKind::OnlyLeft) {
        std::string text = "- step " + stepNumber(line.left) + " (" + testId(r.fileSide, line.left) + ")";
        return line.movedRow < 0 ? text : text + " moved to step " + stepNumber(line.movedRow);
    }
    std::string text = "+ step " + stepNumber(line.right) + " (" + testId(r.editorSide, line.right) + ")";
    return line.movedRow < 0 ? text : text + " moved from step " + stepNumber(line.movedRow);
}

ordered_json fieldJson(const CompareReport& r, const CompareLine& line, const FieldDifference& d)
{
    const auto [left, right] = ScriptComparison::pairRows(line);
    ordered_json field;
    field["name"] = std::string(d.name);
    field["file"] = fieldValueText(d, r.fileSide.rows[static_cast<std::size_t>(left)].record, CompareSide::Left);
    field["editor"] =
        fieldValueText(d, r.editorSide.rows[static_cast<std::size_t>(right)].record, CompareSide::Right);
    if (d.kind == StepFieldKind::Link) {
        field["fileTarget"] = linkTargetWords(static_cast<std::uint16_t>(d.leftValue), r.fileSide);
        field["editorTarget"] = linkTargetWords(static_cast<std::uint16_t>(d.rightValue), r.editorSide);
    }
    return field;
}

ordered_json lineJson(const CompareReport& r, const CompareLine& line)
{
    static constexpr const char* kKinds[] = {"same", "changed", "removed", "added"};
    ordered_json entry;
    entry["kind"] = kKinds[static_cast<int>(line.kind)];
    if (line.left >= 0)
        entry["file"] = line.left + 1;
    if (line.right >= 0)
        entry["editor"] = line.right + 1;
    entry["id"] = line.right >= 0 ? testId(r.editorSide, line.right) : testId(r.fileSide, line.left);
    if (line.movedRow >= 0)
        entry[line.kind == LineKind::OnlyLeft ? "movedTo" : "movedFrom"] = line.movedRow + 1;
    if (line.differenceCount > 0) {
        ordered_json fields = ordered_json::array();
        for (const FieldDifference& d : r.comparison.differencesOf(line))
            fields.push_back(fieldJson(r, line, d));
        entry["fields"] = std::move(fields);
    }
    return entry;
}

} // namespace

std::vector<std::string> differenceLines(const CompareReport& r)
{
    std::vector<std::string> out;
    for (const CompareLine& line : r.comparison.lines) {
        if (line.kind == LineKind::OnlyLeft || line.kind == LineKind::OnlyRight)
            out.push_back(gapLine(r, line));
        const auto [left, right] = ScriptComparison::pairRows(line);
        for (const FieldDifference& d : r.comparison.differencesOf(line))
            out.push_back("~ step " + stepNumber(left) + " = " + stepNumber(right) + " ("
                          + testId(r.editorSide, right) + "): "
                          + differenceText(d, r.fileSide, r.editorSide, line));
    }
    return out;
}

std::string summaryLine(const CompareReport& r)
{
    std::string text = "= " + steps(r.fileSide.rows.size()) + " in " + std::string(r.file) + ", "
        + std::to_string(r.editorSide.rows.size()) + " in the editor: ";
    if (r.comparison.identical())
        return text + "no differences";
    const CompareCounts n = compareCounts(r.comparison);
    return text + std::to_string(n.removed) + " removed, " + std::to_string(n.added) + " added, "
        + std::to_string(n.moved) + " moved, " + std::to_string(n.changed) + " changed";
}

ordered_json compareJson(const CompareReport& r)
{
    ordered_json out;
    out["file"] = displayText(r.file);
    out["fileSteps"] = r.fileSide.rows.size();
    out["editorSteps"] = r.editorSide.rows.size();
    out["logs"] = r.logs;
    ordered_json differences = ordered_json::array();
    for (const CompareLine& line : r.comparison.lines)
        if (line.kind != LineKind::Same)
            differences.push_back(lineJson(r, line));
    out["differences"] = std::move(differences);
    const CompareCounts n = compareCounts(r.comparison);
    out["removed"] = n.removed;
    out["added"] = n.added;
    out["moved"] = n.moved;
    out["changed"] = n.changed;
    return out;
}

} // namespace pst::cli
