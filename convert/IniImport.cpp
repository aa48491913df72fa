#include "convert/IniImport.h"

#include "catalogs/IniFile.h"
#include "catalogs/IniText.h"
#include "convert/IniExport.h"
#include "convert/TextExport.h"
#include "model/DialogUse.h"
#include "model/Editor.h"
#include "model/Error.h"
#include "model/FileSystem.h"
#include "model/Hex.h"
#include "model/Messages.h"

namespace pst {

namespace {

std::size_t skipBlanks(std::string_view s, std::size_t pos)
{
    while (pos < s.size() && isBlank(s[pos]))
        ++pos;
    return pos;
}

void storeField(StepRecord& record, int number, std::uint32_t v)
{
    if (number == 1)
        record.setTestId(static_cast<std::uint16_t>(v));
    else if (number == 2)
        record.setTestArg(static_cast<std::uint16_t>(v));
    else
        record.setU32(4 * static_cast<std::size_t>(number - 2), v);
}

void importStep(Editor& editor, std::string_view value)
{
    const int row = editor.insertStep();
    if (row == StepList::kNone)
        return;
    editor.steps().editRows(row, row, [&](StepRow& step, int) {
        applyIniValue(step.record, value);
        const std::uint16_t id = step.record.testId();
        step.caption = hex2(id);
        step.description = editor.catalogs().StepDescription(id);
    });
}

} // namespace

std::vector<std::string_view> splitIniFields(std::string_view value)
{
    std::vector<std::string_view> fields;
    std::size_t pos = skipBlanks(value, 0);
    while (pos < value.size()) {
        const std::size_t start = pos;
        while (pos < value.size() && !isBlank(value[pos]) && value[pos] != ',')
            ++pos;
        fields.push_back(value.substr(start, pos - start));
        pos = skipBlanks(value, pos);
        if (pos < value.size() && value[pos] == ',') {
            if (pos + 1 == value.size())
                fields.emplace_back();
            pos = skipBlanks(value, pos + 1);
        }
    }
    return fields;
}

std::uint32_t iniFieldValue(std::string_view field)
{
    return parseHex32(trimBlanks(field)).value_or(0);
}

void applyIniValue(StepRecord& record, std::string_view value)
{
    record.zero(0, field::TEST_FIELDS_END);
    if (const auto eq = value.rfind('='); eq != std::string_view::npos)
        value.remove_prefix(eq + 1);
    const std::vector<std::string_view> fields = splitIniFields(value);
    const int count = std::min(static_cast<int>(fields.size()), kIniFieldCount);
    for (int i = 0; i < count; ++i)
        storeField(record, i + 1, iniFieldValue(fields[static_cast<std::size_t>(i)]));
}

void miImportfromINIClick(Editor& editor)
{
    if (editor.image().empty())
        return;
    FileDialogState& dialog = editor.openDialogState();
    const DialogUse proposed(dialog, "*.ini");
    const auto path = editor.host().openDialog({DialogPurpose::ImportIni, std::nullopt, dialog});
    if (!path || path->empty())
        return;
    ReadResult read = editor.fileSystem().readFile(*path, kMaxModuleFileSize);
    if (!read.ok)
        throw Error(msg::cannotOpenFile(*path, read.error));
    const IniFile ini = IniFile::parse(ByteView(read.bytes));
    const std::vector<std::string> keys = ini.keys(kPstSequenceSection);
    for (const std::string& key : keys)
        importStep(editor, ini.value(kPstSequenceSection, key, ""));
    // The name block caps what is read; say so rather than lose steps silently.
    const std::size_t total = ini.keyCount(kPstSequenceSection);
    if (keys.size() < total)
        editor.host().showMessage(msg::importTruncated(keys.size(), total));
}

} // namespace pst
