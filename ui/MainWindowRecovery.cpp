// Never losing an edit: the question before the window closes, the recovery
// copy kept while the script is modified, and the offer at start to restore
// what an editor that did not close its window left unsaved.

#include "model/EditorSnapshot.h"
#include "model/Messages.h"
#include "ui/BottomPanel.h"
#include "ui/ComboText.h"
#include "ui/DisplayText.h"
#include "ui/MainWindow.h"
#include "ui/RecoveryCopy.h"
#include "ui/RecoveryLeftover.h"

#include <QtCore/QDateTime>
#include <QtCore/QDir>
#include <QtCore/QLocale>
#include <QtWidgets/QComboBox>

void TfmScript::setupRecovery()
{
    m_recovery = std::make_unique<RecoveryCopy>(m_editor, m_setup.recoveryFolder, m_setup.recoveryInterval);
    RecoveryCopy* copy = m_recovery.get();
    // The editor tells of every command that changed the rows; the module id
    // box is the one part of the copy outside them.
    m_host.setChangeHandler([copy] { copy->noteChange(); });
    connect(m_panel->cbModId, &QComboBox::editTextChanged, copy, &RecoveryCopy::noteChange);
    m_host.setModifiedHandler([copy](bool modified) { copy->modifiedChanged(modified); });
    connect(copy, &RecoveryCopy::writeFailed, this,
            [this](const QString& message) { m_setup.prompts->warning(message); });
}

bool TfmScript::mayReplaceScript()
{
    bool mayGoOn = false;
    runCommand([this, &mayGoOn] { mayGoOn = m_editor.maybeSaveChanges(); });
    return mayGoOn;
}

void TfmScript::offerRecovery()
{
    if (m_editor.busy())
        return;
    for (const auto& leftover : RecoveryLeftover::claimAll(m_recovery->folder(), m_recovery->filePath())) {
        if (offerLeftover(*leftover))
            return;
    }
}

// True when no more leftovers are to be offered: this one was restored, or
// the user kept the script on screen.
bool TfmScript::offerLeftover(RecoveryLeftover& leftover)
{
    RecoveryLeftover::Contents contents = leftover.read();
    if (!contents.snapshot) {
        m_setup.prompts->warning(toDisplay(pst::msg::recoveryCopyUnusable(
            pathFromDisplay(QDir::toNativeSeparators(leftover.path())), contents.error.toStdString())));
        leftover.remove();
        return false;
    }
    const QDateTime savedAt = QDateTime::fromSecsSinceEpoch(contents.snapshot->savedAtSeconds);
    switch (m_setup.prompts->askRestore(QLocale().toString(savedAt, QLocale::ShortFormat))) {
    case RestoreAnswer::Discard: leftover.remove(); return false;
    case RestoreAnswer::Later: return false;
    case RestoreAnswer::Restore: break;
    }
    if (!mayReplaceScript())
        return true;
    if (!runCommand([this, &contents] { m_editor.restore(std::move(*contents.snapshot)); }))
        return false;
    setComboText(m_panel->cbModId, toDisplay(m_editor.modIdText()));
    // The old copy goes only once this run's own copy holds the script.
    if (m_recovery->writeNow())
        leftover.remove();
    return true;
}
