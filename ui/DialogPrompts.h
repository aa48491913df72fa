#pragma once
// The window's real dialogs: one open and one save file dialog that every
// command shares (each remembers its folder between uses), and modal
// message boxes.

#include "ui/WindowPrompts.h"

#include <QtCore/QPointer>

class QFileDialog;
class QWidget;

class DialogPrompts final : public WindowPrompts {
public:
    explicit DialogPrompts(QWidget* parent);
    ~DialogPrompts() override;

    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
    void warning(const QString& text) override;
    void critical(const QString& text) override;
    pst::SaveChangesAnswer askSaveChanges() override;
    RestoreAnswer askRestore(const QString& savedAt) override;

private:
    std::optional<QString> runDialog(QFileDialog& dialog, const FileDialogRequest& request);
    QFileDialog& openDialog();
    QFileDialog& saveDialog();

    QWidget* m_parent;
    QPointer<QFileDialog> m_open;
    QPointer<QFileDialog> m_save;
};
