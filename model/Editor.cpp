#include "model/Editor.h"

#include "model/EditorSnapshot.h"
#include "model/Error.h"
#include "model/Hex.h"
#include "model/Messages.h"
#include "model/StepRecord.h"

#include <exception>
#include <new>

namespace pst {

namespace {
// The library's text of an allocation failure ("std::bad_alloc") says
// nothing to the user.
std::string errorText(const std::exception& e)
{
    return dynamic_cast<const std::bad_alloc*>(&e) ? std::string(msg::kNotEnoughMemory) : e.what();
}
} // namespace

Editor::Editor(Host& host, FileSystem& fs, std::string catalogFolder)
    : m_host(host), m_fs(fs), m_catalogs(fs, std::move(catalogFolder))
{
}

bool Editor::run(const std::function<void()>& command, std::string_view caption)
{
    if (m_busy)
        return false;
    m_busy = true;
    m_revisionAtStart = m_steps.revision();
    if (m_revisionAtStart != m_historyRevision)
        m_history.clear();
    m_history.begin(caption, m_steps.selected(), m_steps.selectionRevision());
    m_steps.setRecorder(&m_history);
    bool ok = attempt(command);
    m_steps.setRecorder(nullptr);
    m_history.end(m_steps.selected(), m_steps.selectionRevision());
    // What the command changed so far stays; the views must show it.
    ok = attempt([this] { finishCommand(); }) && ok;
    m_historyRevision = m_steps.revision();
    m_busy = false;
    return ok;
}

bool Editor::attempt(const std::function<void()>& work)
{
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        m_host.showError(errorText(e));
        return false;
    }
}

// What every command ends with, decided from what it changed: a selection
// that changed gets its title (as a click on the row would give), the host
// learns whether the script is now modified and whether its rows changed,
// and the selected step's views are refreshed when it, or what it shows,
// changed, or the command asked.
void Editor::finishCommand()
{
    titleSelection();
    reportModified();
    if (m_steps.revision() != m_revisionAtStart)
        m_host.scriptChanged();
    if (m_refreshPending || m_steps.selectedRowRevision() != m_refreshedRow)
        lvScriptChange();
}

std::uint16_t Editor::moduleId() const
{
    return ModuleIdFromText(m_modIdText);
}

void Editor::setModified(bool modified)
{
    if (modified) {
        m_cleanRevision.reset();
        m_history.markDirty();
    } else {
        m_cleanRevision = m_steps.revision();
        m_history.markClean();
    }
    reportModified();
}

// The host hears of the mark only when it changes.
void Editor::reportModified()
{
    const bool now = modified();
    if (now == m_reportedModified)
        return;
    m_reportedModified = now;
    m_host.modifiedChanged(now);
}

EditorSnapshot Editor::snapshot() const
{
    EditorSnapshot s;
    s.image = m_image.data();
    s.layout = m_layout;
    s.recordSize = m_recordSize;
    s.maxStepCount = m_maxStepCount;
    s.rows = m_steps.rows();
    s.selected = m_steps.selected();
    s.modIdText = m_modIdText;
    return s;
}

void Editor::restore(EditorSnapshot s)
{
    m_image.assign(std::move(s.image));
    m_layout = s.layout;
    m_recordSize = s.recordSize;
    m_maxStepCount = s.maxStepCount;
    m_modIdText = std::move(s.modIdText);
    m_record.setSizeUnlocked(m_recordSize);
    m_steps.reset(std::move(s.rows));
    selectAndShow(s.selected);
    m_history.clear();
    setModified(true);
    m_host.scriptReplaced();
    requestRefresh();
}

void Editor::setCustomText(std::string text)
{
    m_customText = std::move(text);
}

void Editor::setTitle(std::string title)
{
    m_title = std::move(title);
    m_host.titleChanged(m_title);
}

void Editor::selectRow(int row)
{
    m_steps.select(row);
    titleSelection();
}

void Editor::selectAndShow(int row)
{
    m_steps.select(row);
    if (m_steps.hasSelection())
        m_host.scrollToRow(m_steps.selected());
}

void Editor::titleSelection()
{
    if (m_steps.selectionRevision() != m_titledSelection)
        lvScriptSelectItem();
}

void Editor::lvScriptSelectItem()
{
    const int n = m_steps.selected() + 1;
    setTitle(std::string(kAppTitle) + " - " + m_modIdText + " - Step: " + std::to_string(n) + " ("
             + hexUpper(static_cast<std::uint64_t>(n)) + "h)");
    m_titledSelection = m_steps.selectionRevision();
}

void Editor::lvScriptChange()
{
    m_refreshPending = false;
    m_refreshedRow = m_steps.selectedRowRevision();
    m_record.resetEditState();
    const int sel = m_steps.selected();
    if (sel == StepList::kNone || m_steps.row(sel).record.empty())
        return;
    const StepRecord& rec = m_steps.row(sel).record;
    m_record.load(rec.bytes());
    m_customText = m_catalogs.StepDescription(rec.testId());
    m_host.customTextChanged(m_customText);
    m_status = m_catalogs.LookupErrorText(rec.errorCode(m_layout));
    m_host.statusChanged(m_status);
}

ByteRange Editor::writeRecordBytes(std::size_t offset, ByteView bytes)
{
    const ByteRange written = m_record.write(offset, bytes);
    storeRecordBytes(written);
    return written;
}

ByteRange Editor::undoRecordBytes()
{
    const ByteRange restored = m_record.undo();
    storeRecordBytes(restored);
    return restored;
}

ByteRange Editor::redoRecordBytes()
{
    const ByteRange restored = m_record.redo();
    storeRecordBytes(restored);
    return restored;
}

// The buffer's bytes in `range` go into the selected row's record; with none
// selected they belong to no step.
void Editor::storeRecordBytes(ByteRange range)
{
    const int sel = m_steps.selected();
    if (range.empty() || sel == StepList::kNone)
        return;
    const ByteView bytes = ByteView(m_record.bytes()).subspan(range.offset, range.length);
    const bool refreshed = m_refreshedRow == m_steps.selectedRowRevision();
    m_steps.writeRecord(sel, range.offset, bytes);
    // The hex view shows these bytes already: the row repaints, nothing is
    // loaded into the view again.
    if (refreshed)
        m_refreshedRow = m_steps.selectedRowRevision();
}

std::string Editor::hexHint() const
{
    std::string hint = "Offset 00 - TEST_ID\nOffset 48 - GOTO_ON_SUCCES\nOffset 4A - GOTO_ON_ERR\nOffset 4C - GOTO_ON_ABRT";
    hint += m_layout == ModuleLayout::Legacy28 ? "\nOffset 54 - Error Code" : "\nOffset 68 - Error Code";
    return hint;
}

} // namespace pst
