#include "convert/IniExport.h"

#include "convert/TextExport.h"
#include "model/Editor.h"
#include "model/Hex.h"

namespace pst {

namespace {
constexpr std::string_view kEol = "\r\n";
constexpr std::size_t kMaxKeyDescription = 80;
constexpr std::size_t kKeyWidth = 40;
} // namespace

namespace {

// The file is one buffer of several megabytes for a long script: every
// piece is appended in place rather than built as a string first.
void appendIniStepValue(std::string& out, const StepRecord& record)
{
    appendHexUpper(out, record.testId());
    out += ',';
    appendHexUpper(out, record.testArg());
    const auto field = [&](std::uint32_t v) {
        out += ',';
        if (v != 0)
            appendHexUpper(out, v);
    };
    for (int k = 1; k <= 16; ++k)
        field(record.param(k));
    field(record.postAction());
}

void appendIniStepKey(std::string& out, int stepNumber, std::string_view description)
{
    out += std::to_string(stepNumber);
    out += ' ';
    out += description.substr(0, kMaxKeyDescription);
}

void appendIniStepLine(std::string& out, int stepNumber, const StepRow& row)
{
    const std::size_t start = out.size();
    appendIniStepKey(out, stepNumber, row.description);
    if (out.size() - start < kKeyWidth)
        out.append(kKeyWidth - (out.size() - start), ' ');
    out += " = ";
    appendIniStepValue(out, row.record);
}

// A line rarely needs more; the buffer grows if it does.
constexpr std::size_t kLineEstimate = 96;

} // namespace

std::string iniStepValue(const StepRecord& record)
{
    std::string value;
    appendIniStepValue(value, record);
    return value;
}

std::string iniStepKey(int stepNumber, std::string_view description)
{
    std::string key;
    appendIniStepKey(key, stepNumber, description);
    return key;
}

std::string iniStepLine(int stepNumber, const StepRow& row)
{
    std::string line;
    appendIniStepLine(line, stepNumber, row);
    return line;
}

std::string iniExchangeText(const StepList& steps)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(steps.size()) * kLineEstimate + 32);
    out += '[';
    out += kPstSequenceSection;
    out += ']';
    out += kEol;
    for (int i = 0; i < steps.size(); ++i) {
        appendIniStepLine(out, i + 1, steps.row(i));
        out += kEol;
    }
    return out;
}

void miExporttoINIClick(Editor& editor)
{
    exportTextFile(editor, DialogPurpose::ExportIni, "PST.ini", [&] { return iniExchangeText(editor.steps()); });
}

} // namespace pst
