#include "convert/PtmHistoryScript.h"

#include "convert/GeneratedStep.h"
#include "convert/SourceModule.h"
#include "model/Editor.h"
#include "model/Hex.h"

namespace pst {

namespace {

constexpr std::uint16_t kPtmModuleId = 0x1100;
// The history begins this far behind the module's data offset.
constexpr std::uint64_t kHistoryStart = 34;
constexpr std::size_t kEntrySize = 192;

// The part of an entry that becomes a step.
namespace entry {
constexpr std::size_t TEST_ID = 8; // 0 ends the history
constexpr std::size_t TEST_ARG = 10;
constexpr std::size_t P1 = 12; // P1..P4, one u32 each
constexpr std::size_t kReadSize = 28;
constexpr int kParams = 4;
} // namespace entry

void addHistoryStep(Editor& editor, ByteView bytes, const IniFile& modDescr)
{
    const int row = editor.insertStep();
    if (row == StepList::kNone)
        return;
    StepRecord rec = editor.steps().row(row).record;
    rec.zero(0, field::TEST_FIELDS_END);
    const std::uint16_t id = getU16(bytes, entry::TEST_ID);
    rec.setTestId(id);
    rec.setTestArg(getU16(bytes, entry::TEST_ARG));
    for (int k = 1; k <= entry::kParams; ++k)
        rec.setParam(k, getU32(bytes, entry::P1 + 4 * static_cast<std::size_t>(k - 1)));
    rec.setPostAction(2);
    // Placeholders until the links are corrected.
    rec.setLinks(ownStep(row));
    // The history names host sequences by their Desc entry too.
    writeStep(editor, row, rec, hex2(id), LookupDesc(modDescr, id));
}

} // namespace

void miCreateScriptfromDVTPTMHistoryClick(Editor& editor)
{
    ModuleImage history;
    if (!editor.OpenModuleFile(kPtmModuleId, history))
        return;
    if (!hasScriptModule(editor))
        return;
    seekInside(history, ModuleDataOffset(history) + kHistoryStart);
    const auto modDescr = editor.catalogs().modDescr();
    for (;;) {
        const Bytes bytes = history.read(entry::kReadSize);
        if (getU16(bytes, entry::TEST_ID) == 0)
            break;
        addHistoryStep(editor, bytes, *modDescr);
        // The rest of the entry is not read; a history cut short fails at
        // the next read.
        history.seekRelative(static_cast<std::int64_t>(kEntrySize - entry::kReadSize));
    }
    editor.requestRefresh();
}

} // namespace pst
