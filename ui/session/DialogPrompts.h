#pragma once
// The window's real dialogs: one open and one save file dialog that every
// command shares (each remembers its folder between uses), and modal
// message boxes, all over the window once it is made.

#include "ui/session/WindowPrompts.h"

#include <QtCore/QPointer>

class QFileDialog;
class QWidget;

class DialogPrompts final : public WindowPrompts {
public:
    explicit DialogPrompts(QWidget* parent = nullptr) : m_parent(parent) {}
    ~DialogPrompts() override;

    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
    void warning(const QString& text) override;
    void critical(const QString& text) override;
    pst::SaveChangesAnswer askSaveChanges() override;
    bool askReplaceChangedFile(const QString& path) override;
    bool askReloadChangedFile(const QString& path) override;
    RestoreAnswer askRestore(const QString& savedAt) override;
    void setDialogParent(QWidget* window) override { m_parent = window; }

private:
    std::optional<QString> runDialog(QFileDialog& dialog, const FileDialogRequest& request);
    QFileDialog& openDialog();
    QFileDialog& saveDialog();

    QPointer<QWidget> m_parent;
    QPointer<QFileDialog> m_open;
    QPointer<QFileDialog> m_save;
};
