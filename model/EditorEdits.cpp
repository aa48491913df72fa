// The step editing commands of the step list's popup menu and move buttons.

#include "model/Editor.h"
#include "model/Hex.h"
#include "model/StepLinks.h"

namespace pst {

namespace {
constexpr std::uint16_t kTemplateTestId = 0x00DC;

// Every inserted row shows the same caption: one text for all of them.
const SharedText& templateCaption()
{
    static const SharedText caption = hex2(kTemplateTestId);
    return caption;
}

// Delete lowers the links of the row above a deleted "EEEE" row too.
bool lowersRowAbove(const StepRow& row) { return row.caption == "EEEE"; }
} // namespace

void Editor::miInsertClick()
{
    insertStep();
}

int Editor::insertStep()
{
    // Nothing to fill before a module has given the record size.
    if (m_recordSize == 0)
        return StepList::kNone;
    const int pos = m_steps.selected() + 1;
    StepRow row;
    row.record = StepRecord(m_recordSize);
    StepRecord& rec = row.record;
    rec.setTestId(kTemplateTestId);
    rec.setTestArg(1);
    rec.setParam(1, 0x0F);
    rec.setParam(2, 1);
    rec.setParam(3, 0x0A);
    rec.setLinks(static_cast<std::uint16_t>(pos + 2));
    rec.setErrorCode(m_layout, kNoResult);
    row.caption = templateCaption();
    row.description = m_catalogs.LookupDesc(kTemplateTestId);
    m_steps.insert(pos, std::move(row));
    m_steps.select(pos);
    renumberAfterInsert(m_steps, pos);
    requestRefresh();
    return pos;
}

void Editor::miDeleteClick()
{
    const int d = m_steps.selected();
    if (d == StepList::kNone)
        return;
    const bool wasEEEE = lowersRowAbove(m_steps.row(d));
    m_steps.remove(d);
    m_steps.select(m_steps.valid(d) ? d : m_steps.size() - 1);
    const int start = (wasEEEE && d > 0) ? d - 1 : d;
    renumberAfterDelete(m_steps, start);
    requestRefresh();
}

void Editor::deleteSteps(const std::vector<bool>& remove)
{
    // How often one Delete after another would lower each kept row's links:
    // once for every deleted row before it, and once for every deleted
    // "EEEE" row that follows it with nothing but deleted rows between.
    const int n = m_steps.size();
    std::vector<int> lowerBy(static_cast<std::size_t>(n), 0);
    int removed = 0;
    int lastKept = StepList::kNone;
    for (int i = 0; i < n; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (at >= remove.size() || !remove[at]) {
            lowerBy[at] = removed;
            lastKept = i;
            continue;
        }
        ++removed;
        if (lastKept != StepList::kNone && lowersRowAbove(m_steps.row(i)))
            ++lowerBy[static_cast<std::size_t>(lastKept)];
    }
    if (removed == 0)
        return;
    lowerLinks(m_steps, lowerBy);
    m_steps.removeRows(remove);
    requestRefresh();
}

void Editor::btDownClick()
{
    const int sel = m_steps.selected();
    if (sel == StepList::kNone || sel == m_steps.size() - 1)
        return;
    m_steps.swapWithNext(sel);
    shiftSuccessLink(m_steps, sel, -1);
    m_host.scrollToRow(sel + 1);
}

void Editor::btUpClick()
{
    const int sel = m_steps.selected();
    if (sel == StepList::kNone || sel == 0)
        return;
    m_steps.swapWithNext(sel - 1);
    shiftSuccessLink(m_steps, sel, +1);
    m_host.scrollToRow(sel - 1);
}

void Editor::miSetErorSteptoEndClick()
{
    applyEndRule(m_steps);
    requestRefresh();
}

void Editor::miSetErorSteptoStopClick()
{
    applyStopRule(m_steps);
    requestRefresh();
}

void Editor::miSetGoodSteptoStepByStepClick()
{
    applyStepByStep(m_steps);
    requestRefresh();
}

void Editor::miClearScriptClick()
{
    m_steps.editRows(0, m_steps.size() - 1, [this](StepRow& row, int) {
        if (!row.record.empty())
            clearLog(row.record, m_layout);
        row.icon = StepIcon::None;
    });
    requestRefresh();
}

void Editor::miClearCurrentStepClick()
{
    const int sel = m_steps.selected();
    if (sel == StepList::kNone)
        return;
    m_steps.editRows(sel, sel, [this](StepRow& row, int) {
        if (!row.record.empty())
            clearLog(row.record, m_layout);
        row.icon = StepIcon::None;
    });
    requestRefresh();
}

void Editor::miClearAllClick()
{
    m_steps.FreeStepData();
    m_steps.clear();
}

} // namespace pst
