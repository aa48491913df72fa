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

std::string iniStepValue(const StepRecord& record)
{
    std::string value = hexUpper(record.testId()) + ',' + hexUpper(record.testArg());
    const auto field = [&](std::uint32_t v) {
        value += ',';
        if (v != 0)
            value += hexUpper(v);
    };
    for (int k = 1; k <= 16; ++k)
        field(record.param(k));
    field(record.postAction());
    return value;
}

std::string iniStepKey(int stepNumber, std::string_view description)
{
    return std::to_string(stepNumber) + ' ' + std::string(description.substr(0, kMaxKeyDescription));
}

std::string iniStepLine(int stepNumber, const StepRow& row)
{
    std::string line = iniStepKey(stepNumber, row.description);
    if (line.size() < kKeyWidth)
        line.append(kKeyWidth - line.size(), ' ');
    return line + " = " + iniStepValue(row.record);
}

std::string iniExchangeText(const StepList& steps)
{
    std::string out = "[" + std::string(kPstSequenceSection) + "]";
    out += kEol;
    for (int i = 0; i < steps.size(); ++i) {
        out += iniStepLine(i + 1, steps.row(i));
        out += kEol;
    }
    return out;
}

void miExporttoINIClick(Editor& editor)
{
    exportTextFile(editor, DialogPurpose::ExportIni, "PST.ini", [&] { return iniExchangeText(editor.steps()); });
}

} // namespace pst
