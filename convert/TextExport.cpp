#include "convert/TextExport.h"

#include "model/DialogUse.h"
#include "model/Editor.h"
#include "model/Error.h"
#include "model/FileSystem.h"
#include "model/Messages.h"

namespace pst {

namespace {

ByteView asBytes(const std::string& text)
{
    return {reinterpret_cast<const Byte*>(text.data()), text.size()};
}

} // namespace

void exportTextFile(Editor& editor, DialogPurpose purpose, std::string_view proposedName,
                    const std::function<std::string()>& buildText)
{
    if (editor.image().empty())
        return;
    FileDialogState& dialog = editor.saveDialogState();
    const DialogUse proposed(dialog, proposedName);
    const auto path = editor.host().saveDialog({purpose, std::nullopt, dialog});
    if (!path || path->empty())
        return;
    const std::string text = buildText();
    if (const auto failure = editor.fileSystem().writeFileAtomic(*path, asBytes(text)))
        throw Error(msg::cannotCreateFile(*path, *failure));
}

} // namespace pst
