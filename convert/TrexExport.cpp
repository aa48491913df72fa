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

// The script is written as one buffer of several megabytes for a long list,
// so every piece is appended in place rather than built as a string first.
void appendLine(std::string& out, std::string_view line)
{
    out += line;
    out += kEol;
}

void appendPrefixedHex(std::string& out, std::uint32_t v)
{
    out += "0x";
    appendHexUpper(out, v);
}

void appendParameterValue(std::string& out, std::uint32_t v)
{
    if (v < 10)
        out += static_cast<char>('0' + v);
    else
        appendPrefixedHex(out, v);
}

void appendParameterList(std::string& out, const StepRecord& record)
{
    appendPrefixedHex(out, record.testId());
    out += ',';
    appendParameterValue(out, record.testArg());
    for (int k = 1; k <= 16; ++k) {
        out += ',';
        appendParameterValue(out, record.param(k));
    }
}

void appendTitle(std::string& out, const StepRow& row, bool ctrlForm)
{
    const StepRecord& r = row.record;
    const std::size_t start = out.size();
    if (ctrlForm) {
        out += "====== Test ";
        appendHexUpper(out, r.testId(), 2);
        out += ',';
        appendHexUpper(out, r.testArg());
        out += ',';
        appendHexUpper(out, r.param(1) & 0xFFFF, 2);
        out += " ======";
    } else {
        appendHexUpper(out, r.testId(), 2);
        out += ' ';
        out += row.description;
    }
    if (out.size() - start > kMaxTitle)
        out.resize(start + kMaxTitle);
}

std::string_view postActionLine(std::uint32_t postAction)
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

void appendStepBlock(std::string& out, const StepRow& row, bool ctrlForm)
{
    out += "  fprintf \"\\n";
    appendTitle(out, row, ctrlForm);
    out += "\\n\"";
    out += kEol;
    out += "  xf ";
    appendParameterList(out, row.record);
    out += ";msf";
    out += kEol;
    if (const std::string_view post = postActionLine(row.record.postAction()); !post.empty())
        appendLine(out, post);
    out += kEol;
}

// A step block rarely needs more; the buffer grows if it does.
constexpr std::size_t kBlockEstimate = 160;

} // namespace

std::string trexParameterList(const StepRecord& record)
{
    std::string list;
    appendParameterList(list, record);
    return list;
}

std::string trexTitle(const StepRow& row, bool ctrlForm)
{
    std::string title;
    appendTitle(title, row, ctrlForm);
    return title;
}

std::string trexPostActionLine(std::uint32_t postAction)
{
    return std::string(postActionLine(postAction));
}

std::string trexScript(const StepList& steps, const std::function<bool()>& ctrlHeld)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(steps.size()) * kBlockEstimate + 512);
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
