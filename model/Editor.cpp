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
    m_steps.setObserver(this);
}

Editor::~Editor()
{
    m_steps.setObserver(nullptr);
}

bool Editor::run(const std::function<void()>& command)
{
    if (m_busy)
        return false;
    m_busy = true;
    bool ok = true;
    try {
        command();
    } catch (const std::exception& e) {
        ok = false;
        m_host.showError(errorText(e));
    }
    // What the command changed so far stays; the views must show it.
    try {
        flushRefresh();
    } catch (const std::exception& e) {
        ok = false;
        m_host.showError(errorText(e));
    }
    m_busy = false;
    return ok;
}

std::uint16_t Editor::moduleId() const
{
    return ModuleIdFromText(m_modIdText);
}

void Editor::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    m_host.modifiedChanged(modified);
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
    m_host.hexSetHint(hexHint());
    m_steps.reset(std::move(s.rows));
    selectAndShow(s.selected);
    setModified(true);
    m_host.relayoutColumns();
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
}

void Editor::selectAndShow(int row)
{
    m_steps.select(row);
    if (m_steps.hasSelection())
        m_host.scrollToRow(m_steps.selected());
}

void Editor::lvScriptSelectItem()
{
    const int n = m_steps.selected() + 1;
    setTitle(std::string(kAppTitle) + " - " + m_modIdText + " - Step: " + std::to_string(n) + " ("
             + hexUpper(static_cast<std::uint64_t>(n)) + "h)");
}

void Editor::lvScriptChange()
{
    m_refreshPending = false;
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

void Editor::flushRefresh()
{
    if (m_refreshPending)
        lvScriptChange();
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
    // The hex view already shows these bytes: repaint the row, no refresh.
    m_writingFromHexView = true;
    m_steps.writeRecord(sel, range.offset, bytes);
    m_writingFromHexView = false;
}

std::string Editor::hexHint() const
{
    std::string hint = "Offset 00 - TEST_ID\nOffset 48 - GOTO_ON_SUCCES\nOffset 4A - GOTO_ON_ERR\nOffset 4C - GOTO_ON_ABRT";
    hint += m_layout == ModuleLayout::Legacy28 ? "\nOffset 54 - Error Code" : "\nOffset 68 - Error Code";
    return hint;
}

// --- StepListObserver --------------------------------------------------------

void Editor::rowsAboutToBeInserted(int first, int last) { m_host.rowsAboutToBeInserted(first, last); }

void Editor::rowsInserted(int first, int last)
{
    m_host.rowsInserted(first, last);
    setModified(true);
}

void Editor::rowsAboutToBeRemoved(int first, int last) { m_host.rowsAboutToBeRemoved(first, last); }

void Editor::rowsRemoved(int first, int last)
{
    m_host.rowsRemoved(first, last);
    setModified(true);
}

void Editor::rowAboutToBeMoved(int from, int to) { m_host.rowAboutToBeMoved(from, to); }

void Editor::rowMoved(int from, int to)
{
    m_host.rowMoved(from, to);
    setModified(true);
    requestRefresh();
}

void Editor::listAboutToBeReset() { m_host.listAboutToBeReset(); }

void Editor::listReset()
{
    m_host.listReset();
    setModified(true);
    requestRefresh();
}

void Editor::rowsChanged(int first, int last)
{
    m_host.rowsChanged(first, last);
    setModified(true);
    const int sel = m_steps.selected();
    if (!m_writingFromHexView && sel >= first && sel <= last)
        requestRefresh();
}

void Editor::selectionChanged(int previous, int current)
{
    m_host.selectionChanged(previous, current);
    lvScriptSelectItem();
    requestRefresh();
}

} // namespace pst
