// Never losing an edit: the question before the window closes, the recovery
// copy kept while the script is modified, and the offer at start to restore
// what an editor that did not close its window left unsaved.

#include "model/EditorSnapshot.h"
#include "model/Messages.h"
#include "ui/common/ComboText.h"
#include "ui/common/DisplayText.h"
#include "ui/session/RecoveryCopy.h"
#include "ui/session/RecoveryLeftover.h"
#include "ui/window/BottomPanel.h"
#include "ui/window/MainWindow.h"

#include <QtCore/QDateTime>
#include <QtCore/QDir>
#include <QtCore/QLocale>
#include <QtWidgets/QComboBox>

bool TfmScript::mayReplaceScript()
{
    bool mayGoOn = false;
    runCommand([this, &mayGoOn] { mayGoOn = editor().maybeSaveChanges(); });
    return mayGoOn;
}

void TfmScript::offerRecovery()
{
    if (editor().busy())
        return;
    for (const auto& leftover : RecoveryLeftover::claimAll(recoveryCopy().folder(), recoveryCopy().filePath())) {
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
        m_session.prompts().warning(toDisplay(pst::msg::recoveryCopyUnusable(
            pathFromDisplay(QDir::toNativeSeparators(leftover.path())), contents.error.toStdString())));
        leftover.remove();
        return false;
    }
    const QDateTime savedAt = QDateTime::fromSecsSinceEpoch(contents.snapshot->savedAtSeconds);
    switch (m_session.prompts().askRestore(QLocale().toString(savedAt, QLocale::ShortFormat))) {
    case RestoreAnswer::Discard: leftover.remove(); return false;
    case RestoreAnswer::Later: return false;
    case RestoreAnswer::Restore: break;
    }
    if (!mayReplaceScript())
        return true;
    if (!runCommand([this, &contents] { editor().restore(std::move(*contents.snapshot)); }))
        return false;
    setComboText(m_panel->cbModId, toDisplay(editor().modIdText()));
    // The old copy goes only once this run's own copy holds the script.
    if (recoveryCopy().writeNow())
        leftover.remove();
    return true;
}
