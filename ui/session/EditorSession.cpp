#include "ui/session/EditorSession.h"

#include "catalogs/CatalogFolder.h"
#include "model/FileSystem.h"
#include "ui/common/DisplayText.h"
#include "ui/session/DialogPrompts.h"

#include <QtCore/QCoreApplication>

namespace {
// Fills in what the caller left open with the running program's parts.
WindowSetup withDefaults(WindowSetup setup)
{
    if (!setup.fileSystem)
        setup.fileSystem = &pst::realFileSystem();
    if (setup.catalogFolder.empty())
        setup.catalogFolder =
            pst::CatalogFolderFor(*setup.fileSystem, pathFromDisplay(QCoreApplication::applicationDirPath()));
    if (!setup.prompts)
        setup.prompts = std::make_unique<DialogPrompts>();
    if (!setup.settings)
        setup.settings = programSettings();
    if (setup.recoveryFolder.isEmpty())
        setup.recoveryFolder = RecoveryCopy::defaultFolder();
    return setup;
}
} // namespace

EditorSession::EditorSession(WindowSetup setup)
    : m_setup(withDefaults(std::move(setup))),
      m_host(*m_setup.prompts),
      m_editor(m_host, *m_setup.fileSystem, m_setup.catalogFolder),
      m_model(m_editor.steps()),
      m_hexSource(m_editor,
                  [this](const std::function<void()>& command, std::string_view caption) {
                      return run(command, caption);
                  }),
      m_recovery(m_editor, m_setup.recoveryFolder, m_setup.recoveryInterval)
{
    // The recovery copy follows every command that changed the rows.
    connect(&m_host, &WindowHost::scriptEdited, &m_recovery, &RecoveryCopy::noteChange);
    connect(&m_host, &WindowHost::modifiedMarkChanged, &m_recovery, &RecoveryCopy::modifiedChanged);
    connect(&m_recovery, &RecoveryCopy::writeFailed, this, [this](const QString& message) { prompts().warning(message); });
}

EditorSession::~EditorSession() = default;

bool EditorSession::run(const std::function<void()>& command, std::string_view caption)
{
    const bool ok = m_editor.run(command, caption);
    emit commandEnded();
    return ok;
}
