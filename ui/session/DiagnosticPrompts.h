#pragma once
// The prompts of a diagnostic run (--diagnostic-answers): no dialog is
// shown. Each question takes the next answer of a list and is written to
// stdout with it ("question -> answer"); file dialogs are cancelled and
// messages written to stdout, so that a test reads what the user would
// have seen.

#include "ui/session/WindowPrompts.h"

#include <QtCore/QStringList>

#include <cstdio>

class DiagnosticPrompts final : public WindowPrompts {
public:
    explicit DiagnosticPrompts(QStringList answers, std::FILE* out = stdout);

    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
    void warning(const QString& text) override;
    void critical(const QString& text) override;
    pst::SaveChangesAnswer askSaveChanges() override;
    bool askReplaceChangedFile(const QString& path) override;
    bool askReloadChangedFile(const QString& path) override;
    RestoreAnswer askRestore(const QString& savedAt) override;

private:
    // The next answer when it is one of `fitting`, else the first of them.
    QString answer(const QString& question, const QStringList& fitting);
    void print(const QString& line);

    QStringList m_answers;
    std::FILE* m_out;
};

namespace pst {
class Editor;
}

// Writes the editor's state, in the recovery copy's form with time 0, to
// `path`; the error text, or an empty string.
QString writeStateDump(const pst::Editor& editor, const QString& path);
