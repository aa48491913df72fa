// Load and Save: moving a script between a module file and the editor.

#include "model/Checksum.h"
#include "model/DialogUse.h"
#include "model/Editor.h"
#include "model/Error.h"
#include "model/FileSystem.h"
#include "model/FormatDuration.h"
#include "model/Hex.h"
#include "model/Messages.h"
#include "model/ModuleLayout.h"
#include "model/ScriptParser.h"
#include "model/ScriptWriter.h"
#include "model/StepLinks.h"

namespace pst {

bool Editor::OpenModuleFile(std::uint16_t moduleId, ModuleImage& image, DialogPurpose purpose,
                            std::string* chosenPath)
{
    image.clear();
    const DialogUse use(m_openDialog, {}, DialogUse::Filter::AllFiles);
    m_openDialog.filter = moduleFilter(moduleId);
    const auto path = m_host.openDialog({purpose, moduleId, m_openDialog});
    if (!path)
        return false;
    ReadResult read = m_fs.readFile(*path, kMaxModuleFileSize);
    if (!read.ok)
        throw Error(msg::cannotOpenFile(*path, read.error));
    image.assign(std::move(read.bytes));
    if (chosenPath)
        *chosenPath = *path;
    return !image.empty();
}

bool Editor::SaveModuleFile(std::uint16_t moduleId, ModuleImage& image)
{
    FixChecksum(image, &m_host);
    const DialogUse use(m_saveDialog, moduleSaveName(moduleId), DialogUse::Filter::AllFiles);
    const auto path = m_host.saveDialog({DialogPurpose::SaveModule, moduleId, m_saveDialog});
    if (!path || path->empty())
        return false;
    if (m_file && m_file->isFile(m_fs, *path) && m_file->changed(m_fs)
        && !m_host.askReplaceChangedFile(*path))
        return false;
    if (const auto failure = m_fs.writeFileAtomic(*path, image.bytes()))
        throw Error(msg::cannotCreateFile(*path, *failure));
    rememberModuleFile(*path, contentHash(image.bytes()));
    return true;
}

void Editor::ParseScript(ModuleImage source)
{
    if (source.empty())
        return;
    ParsedScript parsed = parseScriptImage(source, *m_catalogs.modDescr());
    applyParsed(std::move(source), std::move(parsed));
}

void Editor::applyParsed(ModuleImage source, ParsedScript parsed)
{
    ModuleState module{std::move(source), parsed.layout, parsed.recordSize, parsed.maxStepCount};
    exchangeModule(module);
    m_history.moduleReplaced(std::move(module));
    m_host.focusStepList();
    m_steps.reset(std::move(parsed.rows));
    setTitle(std::string(kAppTitle) + " - " + hex2(moduleId()));
    if (!m_steps.empty()) {
        selectAndShow(parsed.currentRow);
        titleSelection();
    }
    // The parse then names the script in the title.
    setTitle(std::string(kAppTitle) + " - " + m_modIdText + " - All: " + hexUpper(m_steps.size())
             + ", Cur: " + hexUpper(static_cast<std::uint64_t>(parsed.currentRow + 1))
             + ", PTM Start Time:" + FormatDuration(parsed.header.ptmStartTime));
    m_host.scriptReplaced();
}

void Editor::btReadClick()
{
    if (!maybeSaveChanges())
        return;
    const std::uint16_t id = moduleId();
    // Read into a new image: a cancelled dialog or a failed parse leaves the
    // script on screen, and its image, as they were.
    ModuleImage loaded;
    std::string path;
    if (!OpenModuleFile(id, loaded, DialogPurpose::LoadModule, &path))
        return;
    const std::uint64_t hash = contentHash(loaded.bytes());
    ParseScript(std::move(loaded));
    m_history.clear();
    setModified(false);
    rememberModuleFile(path, hash);
}

void Editor::rememberModuleFile(const std::string& path, std::uint64_t hash)
{
    const std::optional<FileStamp> stamp = m_fs.stamp(path);
    if (stamp)
        m_file.emplace(path, FileFingerprint{*stamp, hash});
    else
        m_file.reset();
    m_host.moduleFileNamed(path);
}

bool Editor::moduleFileChangedToOffer()
{
    return m_file && !modified() && m_file->changedSinceOffered(m_fs);
}

void Editor::btWriteClick()
{
    saveScript();
}

bool Editor::maybeSaveChanges()
{
    if (!modified())
        return true;
    switch (m_host.askSaveChanges()) {
    case SaveChangesAnswer::Save: return saveScript();
    case SaveChangesAnswer::Discard: return true;
    case SaveChangesAnswer::Cancel: return false;
    }
    return false;
}

bool Editor::saveScript()
{
    if (m_steps.empty())
        return false;
    if (!m_steps.hasSelection())
        selectAndShow(0);
    // Refuse before anything is written: a module longer than its capacity
    // would not fit the drive.
    if (m_steps.size() > m_maxStepCount) {
        m_host.showMessage(msg::testCountOverflow(m_maxStepCount));
        selectAndShow(m_maxStepCount > 0 ? static_cast<int>(m_maxStepCount - 1) : StepList::kNone);
        return false;
    }
    // The module is built on copies: a write that fails leaves the rows and
    // the image as they were. Once the dialog has been answered, the links
    // the END rule gave the copy and the new image are taken over, also when
    // the user cancelled.
    StepList written;
    written.reset(m_steps.rows());
    written.select(m_steps.selected());
    if (m_stepChecked)
        applyEndRule(written);
    const std::uint16_t id = moduleId();
    ModuleImage image = m_image;
    const ModuleLayout layout = *pst::SerializeScript(image, written, m_recordSize);
    SetModuleId(image, id, &m_host);
    FixChecksum(image, &m_host);
    if (RecogniseLayout(image) != layout) {
        m_host.showMessage(std::string(msg::kChecksumWouldMakeRoyl));
        return false;
    }
    const bool saved = SaveModuleFile(id, image);
    if (m_stepChecked)
        takeOverLinks(written);
    m_image = std::move(image);
    m_layout = layout;
    m_record.resetEditState();
    if (saved)
        setModified(false);
    return saved;
}

// The rows keep their other bytes: only the three links come from `from`,
// which holds the same rows in the same order.
void Editor::takeOverLinks(const StepList& from)
{
    m_steps.editLinks(0, m_steps.size() - 1, [&from](RowLinks& links, const StepRecord&, int i) {
        if (from.valid(i))
            links = readLinks(from.row(i).record);
    });
    requestRefresh();
}

} // namespace pst
