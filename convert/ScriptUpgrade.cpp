#include "convert/ScriptUpgrade.h"

#include "model/ClosingStep.h"
#include "model/Editor.h"
#include "model/Hex.h"
#include "model/Messages.h"

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace pst {

namespace {

constexpr std::uint16_t kRemovableEEEE = 0xEEEE;
constexpr std::uint16_t kPlaceholderId = 0xB000;
constexpr std::uint16_t kD1 = 0x00D1;
constexpr std::uint16_t kD8 = 0x00D8;
constexpr std::uint16_t k3421 = 0x3421;
constexpr std::uint16_t kOld3421 = 0x81FA;

constexpr std::array<std::pair<std::uint16_t, std::uint16_t>, 12> kIdTable = {{
    {0x00D2, 0x3300}, {0x00BB, 0x3301}, {0x8199, 0x2408}, {0x8128, 0x3429},
    {0x8119, 0x3312}, {0x87D4, 0x3311}, {0x80CA, 0x3304}, {0x80EA, 0x00C4},
    {kOld3421, k3421}, {0x83EB, 0x3424}, {0x9002, 0x00C4}, {0x9003, 0x00C4},
}};

constexpr std::array<std::uint16_t, 6> kClearedTests = {0x00B9, 0x00BA, 0x00BC, 0x3402, 0x3406, 0x3501};

bool has(const StepList& steps, std::uint16_t id) { return FindStepByTestId(steps, id) >= 0; }

std::uint16_t testIdAt(const StepList& steps, int row)
{
    return steps.valid(row) ? steps.row(row).record.testId() : 0;
}

// Inserts a step after `row` (at the top for kNone) through insert-a-step;
// the new row, selected, or kNone when insert refused.
int insertAfter(Editor& editor, int row)
{
    editor.selectRow(row);
    return editor.insertStep();
}

// Gives a row a new record, with the ID column and the description to match.
void setStep(Editor& editor, int row, StepRecord record, std::string description)
{
    StepList& steps = editor.steps();
    const std::uint16_t id = record.testId();
    steps.setRecord(row, std::move(record));
    steps.setCaption(row, hex2(id));
    steps.setDescription(row, std::move(description));
}

// 1. Three closing steps, P4 = 6, 4, 2 from the top.
void addClosingSteps(Editor& editor)
{
    StepList& steps = editor.steps();
    for (int k = 1; k <= 3; ++k) {
        int row = steps.size() - k;
        if (row < 0)
            row = StepList::kNone;
        else if (testIdAt(steps, row) == kClosingTestId)
            continue;
        const int added = insertAfter(editor, row);
        if (added == StepList::kNone)
            return;
        StepRecord r = steps.row(added).record;
        r.setTestArg(1);
        setClosingParams(r, static_cast<std::uint32_t>(2 * k));
        r.setParam(5, 0);
        r.setLinks(kNoStep);
        steps.setRecord(added, std::move(r));
    }
}

// The fixed step a placeholder becomes, by its rank (1 for the first).
void fillPlaceholder(StepRecord& r, int rank)
{
    r.zeroAll();
    if (rank == 1) {
        r.setTestId(0x00B9);
        r.setTestArg(1);
        r.setParam(1, 0x1291);
        r.setParam(8, 1);
        r.setParam(10, 1);
        r.setParam(13, 1);
    } else if (rank == 2) {
        r.setTestId(0x00BC);
        r.setTestArg(1);
        r.setParam(1, 0x3F);
        r.setParam(8, 0x1388);
        r.setParam(9, 7);
        r.setParam(10, 0x10);
    } else {
        r.setTestId(kClosingTestId);
        r.setTestArg(2);
        setClosingParams(r, 2);
        r.setLinks(kNoStep);
    }
}

// 2. Current ids for old ones, fixed steps for placeholders (ROYL). The
// rows of one new id share its caption and description, looked up once.
void renewIds(Editor& editor)
{
    StepList& steps = editor.steps();
    const std::shared_ptr<const IniFile> modDescr = editor.catalogs().modDescr();
    std::map<std::uint16_t, std::pair<SharedText, SharedText>> texts;
    int placeholders = 0;
    for (int i = 0; i < steps.size(); ++i) {
        const StepRecord& old = steps.row(i).record;
        const std::uint16_t oldId = old.testId();
        const bool placeholder = oldId == kPlaceholderId;
        if (old.empty() || (!placeholder && upgradedTestId(oldId) == oldId))
            continue;
        steps.editRows(i, i, [&](StepRow& row, int) {
            if (placeholder)
                fillPlaceholder(row.record, ++placeholders);
            else
                row.record.setTestId(upgradedTestId(oldId));
            const std::uint16_t id = row.record.testId();
            auto [text, added] = texts.try_emplace(id);
            if (added)
                text->second = {hex2(id), StepDescription(*modDescr, id)};
            row.caption = text->second.first;
            row.description = text->second.second;
        });
    }
}

// 3. and 4. A required step directly before the first 0x00D1 step.
void addRequiredStep(Editor& editor, std::uint16_t id, void (*fill)(StepRecord&))
{
    StepList& steps = editor.steps();
    if (has(steps, id))
        return;
    const int d1 = FindStepByTestId(steps, kD1);
    if (d1 < 0)
        return; // refused before phase 1
    const int added = insertAfter(editor, d1 == 0 ? StepList::kNone : d1 - 1);
    if (added == StepList::kNone)
        return;
    StepRecord r = steps.row(added).record;
    r.zeroAll();
    r.setTestId(id);
    r.setTestArg(1);
    fill(r);
    setStep(editor, added, std::move(r), editor.catalogs().LookupDesc(id));
}

void fillD8(StepRecord&) {}

void fill3421(StepRecord& r)
{
    r.setParam(1, 0x2007);
    r.setParam(2, 1);
    r.setParam(3, 10);
    r.setParam(14, 16);
}

// 5. P2 and P3 of the listed tests to zero; rows already clear stay untouched.
void clearParameters(Editor& editor)
{
    StepList& steps = editor.steps();
    for (int i = 0; i < steps.size(); ++i) {
        const StepRecord& r = steps.row(i).record;
        const bool listed = std::find(kClearedTests.begin(), kClearedTests.end(), r.testId()) != kClearedTests.end();
        if (r.empty() || !listed || (r.param(2) == 0 && r.param(3) == 0))
            continue;
        steps.editRecords(i, i, [](StepRecord& edit, int) {
            edit.setParam(2, 0);
            edit.setParam(3, 0);
        });
    }
}

} // namespace

std::uint16_t upgradedTestId(std::uint16_t testId)
{
    for (const auto& [from, to] : kIdTable)
        if (from == testId)
            return to;
    return testId;
}

bool upgradeLacksD1(const StepList& steps, ModuleLayout layout)
{
    const bool needsD8 = !has(steps, kD8);
    const bool needs3421 = layout == ModuleLayout::Royl && !has(steps, k3421) && !has(steps, kOld3421);
    return (needsD8 || needs3421) && !has(steps, kD1);
}

void removeSuperfluousSteps(Editor& editor)
{
    StepList& steps = editor.steps();
    const int n = steps.size();
    if (n <= 3)
        return;
    // The walk examines every row before the last three; a Delete a row
    // would cost a pass over the rest, so all go in one.
    const int last = n - 4;
    std::vector<bool> remove(static_cast<std::size_t>(n), false);
    int removedBeforeLast = 0;
    for (int i = 0; i <= last; ++i) {
        const std::uint16_t id = testIdAt(steps, i);
        remove[static_cast<std::size_t>(i)] = id == kClosingTestId || id == kRemovableEEEE;
        if (i < last && remove[static_cast<std::size_t>(i)])
            ++removedBeforeLast;
    }
    editor.deleteSteps(remove);
    // Where the walk ends: on the last row it examined, or on the row that
    // took its place when it went.
    editor.selectAndShow(last - removedBeforeLast);
}

void miUpgradeScriptClick(Editor& editor)
{
    if (editor.steps().empty() || editor.recordSize() == 0)
        return;
    const bool royl = editor.layout() == ModuleLayout::Royl;
    // Refuse before anything changes rather than stop half way.
    if (upgradeLacksD1(editor.steps(), editor.layout())) {
        editor.host().showMessage(std::string(msg::kUpgradeNeedsD1));
        return;
    }
    addClosingSteps(editor);
    if (royl)
        renewIds(editor);
    addRequiredStep(editor, kD8, fillD8);
    if (royl)
        addRequiredStep(editor, k3421, fill3421);
    clearParameters(editor);
    removeSuperfluousSteps(editor);
}

} // namespace pst
