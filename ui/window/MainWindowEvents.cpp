// Showing, closing and dropped files.

#include "ui/common/DisplayText.h"
#include "ui/inspector/FieldInspectorToggle.h"
#include "ui/session/RecoveryCopy.h"
#include "ui/steplist/StepListView.h"
#include "ui/window/DroppedFiles.h"
#include "ui/window/MainWindow.h"

#include <QtCore/QTimer>
#include <QtGui/QDragEnterEvent>
#include <QtGui/QDropEvent>
#include <QtGui/QScreen>

void TfmScript::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    restorePlacement();
    FormShow();
}

void TfmScript::FormShow()
{
    QFont bold = m_lvScript->font();
    bold.setBold(true);
    m_lvScript->setFont(bold);
    showHexHint();
    runCommand([this] { editor().FormShow(); });
}

void TfmScript::restorePlacement()
{
    const WindowPlacement::Restored restored = m_placement.restore(*this);
    m_inspectorToggle->restore(restored.positioned);
    if (!restored.positioned && screen()) {
        QRect centred = frameGeometry();
        centred.moveCenter(screen()->availableGeometry().center());
        move(centred.topLeft());
    }
    if (restored.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
    if (restored.minimizeApp)
        QTimer::singleShot(0, this, &QWidget::showMinimized);
    if (restored.error)
        QTimer::singleShot(0, this, [this, text = *restored.error] { host().showError(text.toStdString()); });
}

void TfmScript::savePlacement(bool destroying)
{
    std::optional<QString> error = m_placement.save(*this, destroying);
    if (!error)
        error = m_inspectorToggle->save();
    if (error)
        host().showError(error->toStdString());
}

// A close asked for while a command runs (its loop lets the window manager's
// close through) waits for the command to end. Unsaved edits are asked
// about first; the window stays open unless they were saved or discarded.
void TfmScript::closeEvent(QCloseEvent* event)
{
    if (editor().busy()) {
        m_closeRequested = true;
        event->ignore();
        return;
    }
    if (!mayReplaceScript()) {
        event->ignore();
        return;
    }
    if (m_placement.wasRestored())
        savePlacement(false);
    recoveryCopy().closeCleanly();
    event->accept();
}

// While a command runs (a generator's copy loop, a checksum) the drag is
// refused, so that the cursor says a drop would not be taken; a drag that
// entered before the command started is refused at its next move.
bool TfmScript::takesDrop(const QDropEvent& event) const
{
    return !m_session.editor().busy() && !droppedPaths(*event.mimeData()).empty();
}

void TfmScript::answerDrag(QDragMoveEvent& event) const
{
    if (takesDrop(event))
        event.acceptProposedAction();
    else
        event.ignore();
}

void TfmScript::dragEnterEvent(QDragEnterEvent* event) { answerDrag(*event); }

void TfmScript::dragMoveEvent(QDragMoveEvent* event) { answerDrag(*event); }

// The drop is handled after the drag has ended, so that its questions and
// messages do not hold up the program the files came from.
void TfmScript::dropEvent(QDropEvent* event)
{
    if (!takesDrop(*event)) {
        event->ignore();
        return;
    }
    std::vector<std::string> paths = droppedPaths(*event->mimeData());
    event->acceptProposedAction();
    QTimer::singleShot(0, this, [this, paths = std::move(paths)] { WMDropFiles(paths); });
}
