#include "convert/TrexExport.h"

#include "convert/TextExport.h"
#include "model/Editor.h"
#include "model/Hex.h"

namespace pst {

namespace {

constexpr std::string_view kEol = "\r\n";
constexpr std::size_t kMaxTitle = 80;

constexpr std::string_view kHeader[] = {"command ExternalTest", "", "  st totaltime", "  vscon", ""};
constexpr std::string_view kFooter[] = {
    "  sflog",
    "  tso off;ts totaltime",
    "  fprintf\"\\nTotal Time: %02d:%02d:%02d\\n\",Duration@totaltime/36000000,"
    "Duration@totaltime/600000 %60,Duration@totaltime/10000 %60",
    "  STDBY",
    "  fprintf\"\\nThe successful completion of selftest!!!\\n\";bell",
    "ecommand",
};

void appendLine(std::string& out, std::string_view line)
{
    out += line;
    out += kEol;
}

std::string prefixedHex(std::uint32_t v)
{
    return "0x" + hexUpper(v);
}

std::string parameterValue(std::uint32_t v)
{
    return v < 10 ? std::to_string(v) : prefixedHex(v);
}

void appendStepBlock(std::string& out, const StepRow& row, bool ctrlForm)
{
    appendLine(out, "  fprintf \"\\n" + trexTitle(row, ctrlForm) + "\\n\"");
    appendLine(out, "  xf " + trexParameterList(row.record) + ";msf");
    if (const std::string post = trexPostActionLine(row.record.postAction()); !post.empty())
        appendLine(out, post);
    appendLine(out, "");
}

} // namespace

std::string trexParameterList(const StepRecord& record)
{
    std::string list = prefixedHex(record.testId());
    list += ',' + parameterValue(record.testArg());
    for (int k = 1; k <= 16; ++k)
        list += ',' + parameterValue(record.param(k));
    return list;
}

std::string trexTitle(const StepRow& row, bool ctrlForm)
{
    const StepRecord& r = row.record;
    std::string title = ctrlForm ? "====== Test " + hex2(r.testId()) + ',' + hexUpper(r.testArg()) + ','
                                       + hex2(r.param(1) & 0xFFFF) + " ======"
                                 : hex2(r.testId()) + ' ' + row.description;
    if (title.size() > kMaxTitle)
        title.resize(kMaxTitle);
    return title;
}

std::string trexPostActionLine(std::uint32_t postAction)
{
    switch (postAction & 0xFFFF) {
    case 1:
        return "  warmb";
    case 2:
        return "  ireset;waitb;vscon";
    case 4:
        return "  reset";
    case 8:
        return "  // Repeat Test";
    default:
        return {};
    }
}

std::string trexScript(const StepList& steps, const std::function<bool()>& ctrlHeld)
{
    std::string out;
    for (std::string_view line : kHeader)
        appendLine(out, line);
    for (const StepRow& row : steps.rows())
        appendStepBlock(out, row, ctrlHeld());
    for (std::string_view line : kFooter)
        appendLine(out, line);
    return out;
}

void miExporttoTRXClick(Editor& editor)
{
    exportTextFile(editor, DialogPurpose::ExportTrex, "PST.trx",
                   [&] { return trexScript(editor.steps(), [&] { return editor.host().ctrlHeld(); }); });
}

} // namespace pst
