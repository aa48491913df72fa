#pragma once
// The editor's state, as the main window owns it, and the commands that run
// on it. The window, pstool and the tests all drive this one object; whatever
// it needs to ask or show goes through its Host.
//
// Handlers keep the names of the window's events (btReadClick, miInsertClick,
// ...). They may throw Error; commands that other commands call (insert,
// delete, the END rule) are called directly. A host starts a command with
// run(), the one place where a command begins and ends: it shows an uncaught
// error, as the window's default handler does, and when the command ends
// decides, once, what follows from what it changed: the title of a selection
// that changed, the modified mark, and the refresh of the selected step.

#include "catalogs/Catalogs.h"
#include "model/FileFingerprint.h"
#include "model/Host.h"
#include "model/ModuleImage.h"
#include "model/ModuleLayout.h"
#include "model/RecordBuffer.h"
#include "model/ScriptHistory.h"
#include "model/StepList.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pst {

class FileSystem;
struct ParsedScript;
struct EditorSnapshot;

inline constexpr std::string_view kAppTitle = "Self Scan Script";

class Editor {
public:
    Editor(Host& host, FileSystem& fs, std::string catalogFolder);
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    // Runs one command as the window's message handling would: an Error (or
    // any other exception) is shown through the host and ends the command;
    // returns false then. Memory running out is shown as "Not enough memory". A command started while another runs is refused.
    // What the command changes in the rows becomes one step of the script
    // history, named `caption` ("Insert"), also when it stops on an error.
    bool run(const std::function<void()>& command, std::string_view caption = {});
    bool busy() const { return m_busy; }

    // --- state ---------------------------------------------------------
    Host& host() { return m_host; }
    FileSystem& fileSystem() { return m_fs; }
    Catalogs& catalogs() { return m_catalogs; }
    ModuleImage& image() { return m_image; }
    const ModuleImage& image() const { return m_image; }
    StepList& steps() { return m_steps; }
    const StepList& steps() const { return m_steps; }
    // The selected step's bytes as the hex view shows them, their change
    // marks and their history. Changed only by the editor.
    const RecordBuffer& recordBuffer() const { return m_record; }
    ModuleLayout layout() const { return m_layout; }
    std::uint16_t recordSize() const { return m_recordSize; }
    std::int64_t maxStepCount() const { return m_maxStepCount; }
    FileDialogState& openDialogState() { return m_openDialog; }
    FileDialogState& saveDialogState() { return m_saveDialog; }

    const std::string& title() const { return m_title; }
    const std::string& status() const { return m_status; }
    const std::string& modIdText() const { return m_modIdText; }
    std::uint16_t moduleId() const; // from the module id text: hex, 0x28 when not hex
    bool stepChecked() const { return m_stepChecked; }
    const std::string& familyText() const { return m_familyText; }
    const std::string& customText() const { return m_customText; }
    const std::vector<std::string>& familyList() const { return m_familyList; }
    const std::vector<std::string>& customList() const { return m_customList; }

    // The state a recovery copy keeps, and bringing it back (the script is
    // then modified, as it was when the copy was taken).
    EditorSnapshot snapshot() const;
    void restore(EditorSnapshot snapshot);

    // The script differs from what was last loaded or saved: its rows have
    // changed since (StepList::revision()), or it was said to be modified.
    bool modified() const { return !m_cleanRevision || *m_cleanRevision != m_steps.revision(); }
    // False: the rows as they are now are the file's. True: they are not,
    // whatever changes next. The host is told at once.
    void setModified(bool modified);

    // --- controls the user sets -----------------------------------------
    void setModIdText(std::string text) { m_modIdText = std::move(text); }
    void setStepChecked(bool checked) { m_stepChecked = checked; }
    void setCustomText(std::string text);
    // Sets the family text and runs cbFamilyChange, as typing would.
    void setFamilyText(std::string text);
    // A click on a row of the step list (kNone: below the last row): the
    // title names the row at once, the refresh follows when the command ends.
    void selectRow(int row);

    // --- window events -------------------------------------------------
    // Hint of the hex view and the custom test lists, as the window does
    // when it is shown.
    void FormShow();
    // lvScriptChange: brings the hex view, cbCustom and the status line up
    // to date with the selected row.
    void lvScriptChange();
    void cbFamilyChange();
    void btWriteToIniClick();

    // --- the selected step's bytes (the hex view) ---------------------------
    // Writes `bytes` from `offset` on, as the user types or pastes them into
    // the hex view (the field inspector's values and pstool's --poke too):
    // one step of the record buffer's history, the bytes marked as changed,
    // and the selected row's record updated. With no row selected only the
    // shown bytes change; they belong to no step. Refused whole (an empty
    // range) unless the bytes lie wholly inside the record. Returns the
    // bytes written; no refresh follows, the view shows them already.
    ByteRange writeRecordBytes(std::size_t offset, ByteView bytes);
    // The hex view's Ctrl+Z and Ctrl+Shift+Z: the bytes restored (an empty
    // range when the history holds nothing), into the selected record too.
    ByteRange undoRecordBytes();
    ByteRange redoRecordBytes();

    // --- the script history ------------------------------------------------
    // Undo and Redo of the last step: rows, records, texts, icons, the
    // module a drop replaced and the selection as they were; the modified
    // mark cleared when that is the state last loaded or saved. Nothing
    // happens when there is nothing to undo (redo).
    void miUndoClick();
    void miRedoClick();
    const ScriptHistory& history() const { return m_history; }
    ScriptHistory& history() { return m_history; }
    // Swaps the module the script lives in (image, layout, sizes) with
    // `state`; the history's way of taking a new module back.
    void exchangeModule(ModuleState& state);

    // --- Load and Save ---------------------------------------------------
    void btReadClick();
    void btWriteClick();
    // Save as the button does; true when the file was written.
    bool saveScript();
    // The module file the script was loaded from or last saved to; none
    // before, and after a step text drop.
    const std::optional<ModuleFileOnDisk>& moduleFile() const { return m_file; }
    // The script has no unsaved edits and its module file changed on disk
    // in a way not offered before: the caller offers to load it again.
    bool moduleFileChangedToOffer();
    // Before the script is replaced or the window closes: when it is
    // modified, asks whether to save it. True when the caller may go on
    // (saved, discarded, or nothing to save); false when the user cancelled
    // or the save did not write the file.
    bool maybeSaveChanges();
    // Files dropped on the window; only the first counts, its path taken
    // whole. A missing path or a folder does nothing. A file starting with
    // "ROYL" replaces the script as a successful Load does (without the
    // module id box; a failing parse changes nothing; not modified after).
    // Any other file is a step text file: the template module, then its
    // steps imported (modified after). A file under 4 bytes fails with
    // "Stream read error" and changes nothing.
    void WMDropFiles(const std::vector<std::string>& paths);

    // --- step editing ----------------------------------------------------
    void miInsertClick();
    // Insert, the one way new rows come into being outside a parse: a
    // template step behind the selected row (first with none), selected.
    // Returns its row, for the caller to overwrite its record, caption and
    // description; kNone when nothing was inserted (no module parsed yet).
    int insertStep();
    void miDeleteClick();
    // Deletes every row marked in `remove` (a flag per row) at once, with the
    // links as one Delete after another from the top would leave them, in
    // one pass over the list. The selection is gone afterwards.
    void deleteSteps(const std::vector<bool>& remove);
    void btDownClick();
    void btUpClick();
    void miSetErorSteptoEndClick();
    void miSetErorSteptoStopClick();
    void miSetGoodSteptoStepByStepClick();
    void miClearScriptClick();
    void miClearCurrentStepClick();
    void miClearAllClick();

    // --- shared operations ---------------------------------------------
    // Lets the user pick a module file for the id in the open dialog and
    // loads it into image; true when a non-empty file was loaded. The dialog
    // is left with no file name and the filter "All|*.*". `chosenPath`, when
    // given, receives the file chosen.
    bool OpenModuleFile(std::uint16_t moduleId, ModuleImage& image,
                        DialogPurpose purpose = DialogPurpose::ReadModule, std::string* chosenPath = nullptr);
    // Fixes the checksum, lets the user pick a file name and writes the
    // image atomically; true when the file was written. Replacing the module
    // file the script came from, changed on disk since, is asked about first.
    bool SaveModuleFile(std::uint16_t moduleId, ModuleImage& image);
    // Parses `source` and, only when that succeeds, makes it the editor's
    // image with its rows, layout and sizes, and sets the titles. On failure
    // throws and nothing has changed.
    void ParseScript(ModuleImage source);
    // Hex view hint for the layout in force.
    std::string hexHint() const;
    void setTitle(std::string title);
    // The selection title "Self Scan Script - <modId> - Step: n (nh)".
    void lvScriptSelectItem();
    // Selects `row` and scrolls it into view.
    void selectAndShow(int row);
    // Requests a refresh of the selected step at the end of the command,
    // whatever it changed.
    void requestRefresh() { m_refreshPending = true; }

private:
    bool attempt(const std::function<void()>& work);
    void finishCommand();
    // The selection title, when the selection changed since it was shown.
    void titleSelection();
    void reportModified();
    void applyParsed(ModuleImage source, ParsedScript parsed);
    void storeRecordBytes(ByteRange range);
    void takeOverLinks(const StepList& from);
    void rememberModuleFile(const std::string& path, std::uint64_t hash);
    void showReplayed(const ScriptStep* step, bool undone);

    Host& m_host;
    FileSystem& m_fs;
    Catalogs m_catalogs;
    ModuleImage m_image;
    StepList m_steps;
    RecordBuffer m_record;
    ScriptHistory m_history;
    // The rows' revision when the last command ended: rows changed since
    // outside any command (only tests do that) leave no step that fits.
    std::uint64_t m_historyRevision = 0;
    ModuleLayout m_layout = ModuleLayout::Royl;
    std::uint16_t m_recordSize = 0;
    std::int64_t m_maxStepCount = 0;
    FileDialogState m_openDialog;
    FileDialogState m_saveDialog;
    std::optional<ModuleFileOnDisk> m_file;

    std::string m_title{kAppTitle};
    std::string m_status;
    std::string m_modIdText = "28";
    bool m_stepChecked = true;
    std::string m_familyText = "Work";
    std::string m_customText = "Test Description";
    std::vector<std::string> m_familyList;
    std::vector<std::string> m_customList;

    // The revision of the rows as last loaded or saved; none when no rows
    // of this run are the file's.
    std::optional<std::uint64_t> m_cleanRevision = 0;
    bool m_reportedModified = false;
    // What the title and the refresh last showed, in StepList's counters.
    std::uint64_t m_titledSelection = 0;
    std::uint64_t m_refreshedRow = 0;
    std::uint64_t m_revisionAtStart = 0; // of the running command
    bool m_busy = false;
    bool m_refreshPending = false;
};

// One command as a function over the editor: one of its own handlers
// (handler<&Editor::miInsertClick>) or a converter (miUpgradeScriptClick).
// The window's menu and button tables name their commands so.
using EditorCommand = void (*)(Editor&);

template <void (Editor::*Handler)()>
void handler(Editor& editor)
{
    (editor.*Handler)();
}

} // namespace pst
