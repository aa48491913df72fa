// Files dropped on the window: a module replaces the script, a step text file
// becomes a new script in the template module.

#include "model/Editor.h"
#include "model/Error.h"
#include "model/FileSystem.h"
#include "model/Messages.h"
#include "model/StepTextImport.h"
#include "model/TemplateModule.h"

namespace pst {

void Editor::WMDropFiles(const std::vector<std::string>& paths)
{
    if (paths.empty())
        return;
    const std::string& path = paths.front();
    // Only a regular file counts: a folder, a device or a pipe is no file
    // to be read whole.
    if (m_fs.kind(path) != FileKind::Regular)
        return;
    ReadResult read = m_fs.readFile(path, kMaxModuleFileSize);
    if (!read.ok)
        throw Error(msg::cannotOpenFile(path, read.error));
    ModuleImage dropped(std::move(read.bytes));
    if (dropped.size() < 4)
        throw Error(std::string(msg::kStreamReadError));
    const bool isModule = HasRoylMagic(dropped);
    // A step text file goes into the template module; without it nothing
    // may change, so look for it before anything else.
    std::optional<Bytes> templateModule;
    if (!isModule) {
        templateModule = m_host.findResource(kTemplateModuleName);
        if (!templateModule || templateModule->empty())
            throw Error(msg::resourceNotFound(kTemplateModuleName));
    }
    // The dropped file replaces the script: unsaved edits are asked about first.
    if (!maybeSaveChanges())
        return;

    if (isModule) {
        const std::uint64_t hash = contentHash(dropped.bytes());
        ParseScript(std::move(dropped));
        m_history.clear();
        setModified(false);
        rememberModuleFile(path, hash);
    } else {
        // The new script belongs to no module file until it is saved.
        m_file.reset();
        ParseScript(ModuleImage(std::move(*templateModule)));
        miClearAllClick();
        const ByteView text = dropped.bytes();
        ImportStepText(*this, std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
        setModified(true);
    }
}

} // namespace pst
