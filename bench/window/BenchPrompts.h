#pragma once
// Prompts for a window that nobody watches: no dialog is ever shown, and a
// message or an error (a load that failed) is printed and remembered, so the
// figure is refused rather than timed on the wrong work.

#include "ui/session/WindowPrompts.h"

#include <cstdio>

class BenchPrompts final : public WindowPrompts {
public:
    std::optional<QString> openFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFile(const FileDialogRequest&) override { return std::nullopt; }
    void warning(const QString& text) override { report(text); }
    void critical(const QString& text) override { report(text); }
    pst::SaveChangesAnswer askSaveChanges() override { return pst::SaveChangesAnswer::Discard; }
    bool askReplaceChangedFile(const QString&) override { return true; }
    bool askReloadChangedFile(const QString&) override { return false; }
    // A benchmark leaves a leftover script alone: restoring would change what
    // is measured, discarding would delete the user's copy.
    RestoreAnswer askRestore(const QString&) override { return RestoreAnswer::Later; }

    bool failed = false;

private:
    void report(const QString& text)
    {
        failed = true;
        std::fprintf(stderr, "pst_window_bench: %s\n", qPrintable(text));
    }
};
