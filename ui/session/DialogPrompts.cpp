#include "ui/session/DialogPrompts.h"

#include "model/Editor.h"
#include "model/Messages.h"
#include "ui/common/DisplayText.h"

#include <QtWidgets/QFileDialog>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QPushButton>

namespace {
QString title() { return qtText(pst::kAppTitle); }
} // namespace

DialogPrompts::~DialogPrompts()
{
    delete m_open;
    delete m_save;
}

QFileDialog& DialogPrompts::openDialog()
{
    if (!m_open) {
        m_open = new QFileDialog(m_parent, QStringLiteral("Open"));
        m_open->setObjectName(QStringLiteral("OpenDialog1"));
        m_open->setAcceptMode(QFileDialog::AcceptOpen);
        m_open->setFileMode(QFileDialog::ExistingFile);
    }
    return *m_open;
}

QFileDialog& DialogPrompts::saveDialog()
{
    if (!m_save) {
        m_save = new QFileDialog(m_parent, QStringLiteral("Save As"));
        m_save->setObjectName(QStringLiteral("SaveDialog1"));
        m_save->setAcceptMode(QFileDialog::AcceptSave);
        m_save->setFileMode(QFileDialog::AnyFile);
    }
    return *m_save;
}

std::optional<QString> DialogPrompts::runDialog(QFileDialog& dialog, const FileDialogRequest& request)
{
    if (!request.startFolder.isEmpty())
        dialog.setDirectory(request.startFolder);
    dialog.setNameFilter(request.filter);
    // An empty name clears what the previous use left in the name box.
    dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

std::optional<QString> DialogPrompts::openFile(const FileDialogRequest& request)
{
    return runDialog(openDialog(), request);
}

std::optional<QString> DialogPrompts::saveFile(const FileDialogRequest& request)
{
    return runDialog(saveDialog(), request);
}

void DialogPrompts::warning(const QString& text)
{
    QMessageBox::warning(m_parent, title(), text, QMessageBox::Ok);
}

void DialogPrompts::critical(const QString& text)
{
    QMessageBox::critical(m_parent, title(), text, QMessageBox::Ok);
}

pst::SaveChangesAnswer DialogPrompts::askSaveChanges()
{
    QMessageBox box(QMessageBox::Question, title(), qtText(pst::msg::kSaveChangesQuestion),
                    QMessageBox::NoButton, m_parent);
    QPushButton* save = box.addButton(QStringLiteral("Save"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("Discard"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return pst::SaveChangesAnswer::Save;
    if (box.clickedButton() == discard)
        return pst::SaveChangesAnswer::Discard;
    return pst::SaveChangesAnswer::Cancel;
}

namespace {
// A question with two buttons; true for the first. Escape gives the second.
bool askTwoWays(QWidget* parent, const QString& text, const QString& yes, const QString& no)
{
    QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::NoButton, parent);
    QPushButton* first = box.addButton(yes, QMessageBox::AcceptRole);
    QPushButton* second = box.addButton(no, QMessageBox::RejectRole);
    box.setDefaultButton(second);
    box.setEscapeButton(second);
    box.exec();
    return box.clickedButton() == first;
}
} // namespace

bool DialogPrompts::askReplaceChangedFile(const QString& path)
{
    return askTwoWays(m_parent, toDisplay(pst::msg::changedOnDiskQuestion(pathFromDisplay(path))),
                      QStringLiteral("Replace"), QStringLiteral("Cancel"));
}

bool DialogPrompts::askReloadChangedFile(const QString& path)
{
    return askTwoWays(m_parent, toDisplay(pst::msg::reloadChangedQuestion(pathFromDisplay(path))),
                      QStringLiteral("Load"), QStringLiteral("Keep"));
}

RestoreAnswer DialogPrompts::askRestore(const QString& savedAt)
{
    QMessageBox box(QMessageBox::Question, title(), toDisplay(pst::msg::restoreQuestion(savedAt.toStdString())),
                    QMessageBox::NoButton, m_parent);
    QPushButton* restore = box.addButton(QStringLiteral("Restore"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("Discard"), QMessageBox::DestructiveRole);
    box.setDefaultButton(restore);
    // No escape button: Escape must not throw the script away, so the box
    // waits for one of the two.
    box.exec();
    if (box.clickedButton() == restore)
        return RestoreAnswer::Restore;
    if (box.clickedButton() == discard)
        return RestoreAnswer::Discard;
    return RestoreAnswer::Later;
}
