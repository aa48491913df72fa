#include "convert/SelfScanFromE6.h"

#include "convert/GeneratedStep.h"
#include "catalogs/Catalogs.h"
#include "convert/SourceModule.h"
#include "model/ClosingStep.h"
#include "model/DialogUse.h"
#include "model/Editor.h"
#include "model/Hex.h"
#include "model/MessagePump.h"
#include "model/ModuleLayout.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <unordered_map>
#include <utility>

namespace pst {

namespace {


// --- module E6 ---------------------------------------------------------------

constexpr std::uint16_t kE6ModuleId = 0xE6;
constexpr std::size_t kRoylDataStart = 48;
constexpr std::size_t kLegacyDataStart = 24;
// The block table runs from behind the first word up to this file offset.
constexpr std::size_t kBlockTableEnd = 512;
constexpr std::size_t kStepCountEntry = 71;
constexpr std::size_t kFirstTestEntry = 72;
// A test record is the test part of a step: TEST_ID, TEST_ARG, P1..P16.
constexpr std::size_t kTestRecordSize = field::TEST_FIELDS_END;
// No test record starts within the file's last bytes.
constexpr std::size_t kTailBytes = 24;

struct TestList {
    std::uint32_t countOffset = 0; // 0: the module has no test list
    std::uint32_t firstTestOffset = 0;
};

// Reads the whole block table, so that a file shorter than the table fails.
TestList readBlockTable(ModuleImage& e6)
{
    TestList list;
    for (std::size_t k = 0; e6.position() < kBlockTableEnd; ++k) {
        const std::uint32_t entry = ReadU32(e6);
        if (k == kStepCountEntry)
            list.countOffset = entry;
        else if (k == kFirstTestEntry)
            list.firstTestOffset = entry;
    }
    return list;
}

bool inTail(const ModuleImage& e6)
{
    return e6.position() >= e6.size() || e6.size() - e6.position() <= kTailBytes;
}

// Copied tests that must not start before the previous one has ended.
bool takesPostAction(std::uint16_t testId)
{
    static constexpr std::array<std::uint16_t, 15> kIds = {0xB9,   0xBA,   0xBB,   0xBC,   0xD2,
                                                            0xD5,   0x3300, 0x3301, 0x3305, 0x34D1,
                                                            0x34D2, 0x34D3, 0x34D4, 0x34D5, 0x34D6};
    return std::find(kIds.begin(), kIds.end(), testId) != kIds.end();
}

// --- the fixed steps -----------------------------------------------------------

using Params = std::array<std::uint32_t, 16>;

// P1..P16 from (k, value) pairs; the others 0.
constexpr Params params(std::initializer_list<std::pair<int, std::uint32_t>> values)
{
    Params p{};
    for (const auto& [k, v] : values)
        p[static_cast<std::size_t>(k - 1)] = v;
    return p;
}

enum class Zeroing { WholeRecord, TestFields };
// Provisional links, replaced by the END rule at the end.
enum class Provisional { OwnStep, FromInsert, EndBlock };

struct FixedStep {
    std::uint16_t testId;
    bool ask; // generated only when the module of the same id is confirmed
    std::uint16_t testArg;
    Zeroing zeroing;
    Provisional links;
    std::uint32_t postAction;
    Params params;
};

constexpr Params kDcEnd = params({{1, kClosingP1}, {2, kClosingP2}, {3, kClosingP3}});

constexpr Params withP4(Params p, std::uint32_t p4)
{
    p[3] = p4;
    return p;
}

constexpr std::array<FixedStep, 7> kLeadSteps = {{
    {0x3307, true, 1, Zeroing::TestFields, Provisional::OwnStep, 2,
     {0xFFFF, 8, 0x3FF, 0, 1, 0x3FF, 1, 1, 1, 0xF, 0x3FF, 0x3FF, 0x3FF, 0x3FF, 0x3FF, 0x3FF}},
    {0x1010, true, 1, Zeroing::TestFields, Provisional::OwnStep, 2, {}},
    {0x3415, true, 1, Zeroing::TestFields, Provisional::OwnStep, 2, {}},
    {0xB1, false, 0, Zeroing::WholeRecord, Provisional::OwnStep, 0, params({{15, 2}})},
    {0xB1, false, 0, Zeroing::TestFields, Provisional::OwnStep, 0, params({{15, 1}})},
    {0xD8, false, 1, Zeroing::WholeRecord, Provisional::OwnStep, 0, {}},
    {0x3421, true, 1, Zeroing::WholeRecord, Provisional::OwnStep, 0, params({{1, 0x2001}, {14, 0x10}})},
}};

// The closing steps start from the insert's template; overwriting every test
// field it sets is the same as zeroing them first.
constexpr std::array<FixedStep, 7> kTailSteps = {{
    {0x3422, true, 1, Zeroing::WholeRecord, Provisional::OwnStep, 0, params({{1, 7}, {2, 0x64}, {3, 2}})},
    {0x3423, true, 1, Zeroing::WholeRecord, Provisional::OwnStep, 0,
     params({{2, 1}, {3, 2}, {4, 1}, {5, 2}, {7, 0x10}, {9, 1}, {11, 1}, {13, 3}})},
    {0x3426, true, 1, Zeroing::WholeRecord, Provisional::OwnStep, 2, {}},
    {0xB9, false, 1, Zeroing::TestFields, Provisional::FromInsert, 0,
     params({{1, 0x1291}, {8, 1}, {10, 1}, {13, 1}})},
    {0xDC, false, 1, Zeroing::TestFields, Provisional::EndBlock, 0, withP4(kDcEnd, 2)},
    {0xDC, false, 1, Zeroing::TestFields, Provisional::EndBlock, 0, withP4(kDcEnd, 4)},
    {0xDC, false, 1, Zeroing::TestFields, Provisional::EndBlock, 0, withP4(kDcEnd, 6)},
}};

void addFixedStep(Editor& editor, const FixedStep& step)
{
    if (step.ask && !ConfirmModuleFile(editor, step.testId))
        return;
    const int row = editor.insertStep();
    if (row == StepList::kNone)
        return;
    StepRecord rec = editor.steps().row(row).record;
    if (step.zeroing == Zeroing::WholeRecord)
        rec.zeroAll();
    else
        rec.zero(0, field::TEST_FIELDS_END);
    rec.setTestId(step.testId);
    rec.setTestArg(step.testArg);
    for (int k = 1; k <= 16; ++k)
        rec.setParam(k, step.params[static_cast<std::size_t>(k - 1)]);
    rec.setPostAction(step.postAction);
    if (step.links == Provisional::OwnStep) {
        rec.setLinks(ownStep(row));
    } else if (step.links == Provisional::EndBlock) {
        rec.setLink(0, kNoStep);
        rec.setLink(1, kNoStep);
    }
    writeStep(editor, row, rec, hex2(step.testId), editor.catalogs().LookupDesc(step.testId));
}

template <std::size_t N>
void addFixedSteps(Editor& editor, const std::array<FixedStep, N>& steps)
{
    for (const FixedStep& step : steps)
        addFixedStep(editor, step);
}

// --- the copied tests ------------------------------------------------------------

// Copied tests repeat a few hundred ids: each caption and description is
// made once and its text shared by the rows of that id.
class TextsById {
public:
    struct Texts {
        SharedText caption;
        SharedText description;
    };

    explicit TextsById(const IniFile& modDescr) : m_modDescr(modDescr) {}

    const Texts& operator()(std::uint16_t testId)
    {
        auto [it, added] = m_texts.try_emplace(testId);
        if (added)
            it->second = {hexUpper(testId), StepDescription(m_modDescr, testId)};
        return it->second;
    }

private:
    const IniFile& m_modDescr;
    std::unordered_map<std::uint16_t, Texts> m_texts;
};

// The copy overwrites the inserted row in place: its record already has the
// size in use.
void addCopiedTest(Editor& editor, ByteView test, TextsById& texts)
{
    const int row = editor.insertStep();
    if (row == StepList::kNone)
        return;
    editor.steps().editRows(row, row, [&](StepRow& target, int) {
        StepRecord& rec = target.record;
        rec.overwrite(0, test);
        if (rec.testArg() == 0)
            rec.setTestArg(1);
        const std::uint16_t id = rec.testId();
        if (takesPostAction(id))
            rec.setPostAction(2);
        const TextsById::Texts& shown = texts(id);
        target.caption = shown.caption;
        target.description = shown.description;
    });
}

void copyTests(Editor& editor, ModuleImage& e6, const TestList& list)
{
    seekInside(e6, list.countOffset);
    const std::uint32_t count = ReadU32(e6);
    seekInside(e6, list.firstTestOffset);
    const auto modDescr = editor.catalogs().modDescr();
    TextsById texts(*modDescr);
    ThrottledPump pump(&editor.host());
    std::array<Byte, kTestRecordSize> test{};
    for (std::uint32_t i = 0; i < count && !inTail(e6); ++i) {
        e6.read(test);
        if (getU16(test, field::TEST_ID) == 0)
            break;
        addCopiedTest(editor, test, texts);
        pump.tickNow();
    }
}

// --- the command -------------------------------------------------------------------

enum class E6Outcome {
    Generated,
    NoBlock,   // nothing generated; the logs and links are still redone
    NoChange,  // the module says there is nothing to do at all
};

// Generates the block; the E6 image lives only as long as this call.
E6Outcome generateFromE6(Editor& editor)
{
    ModuleImage e6;
    if (!editor.OpenModuleFile(kE6ModuleId, e6))
        return E6Outcome::NoBlock;
    if (!hasScriptModule(editor))
        return E6Outcome::NoBlock;
    // 1. The first word: low byte 0 means nothing to do.
    seekInside(e6, HasRoylMagic(e6) ? kRoylDataStart : kLegacyDataStart);
    if ((ReadU32(e6) & 0xFF) == 0)
        return E6Outcome::NoChange;
    // 2. The block table tells where the test list lies.
    const TestList list = readBlockTable(e6);
    if (list.countOffset == 0)
        return E6Outcome::NoBlock;
    // 3. Preparation steps, the copied tests, closing steps.
    addFixedSteps(editor, kLeadSteps);
    copyTests(editor, e6, list);
    addFixedSteps(editor, kTailSteps);
    editor.selectRow(0);
    editor.requestRefresh();
    return E6Outcome::Generated;
}

} // namespace

bool ConfirmModuleFile(Editor& editor, std::uint16_t moduleId)
{
    FileDialogState& dialog = editor.openDialogState();
    const DialogUse use(dialog, {}, DialogUse::Filter::AllFiles);
    dialog.filter = moduleFilter(moduleId);
    const auto path = editor.host().openDialog({DialogPurpose::ConfirmModule, moduleId, dialog});
    return path && !path->empty();
}

void miCreateSelfscanScriptfromE6Click(Editor& editor)
{
    if (generateFromE6(editor) == E6Outcome::NoChange)
        return;
    editor.miClearScriptClick();
    editor.miSetErorSteptoEndClick();
}

} // namespace pst
