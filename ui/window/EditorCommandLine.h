#pragma once
// pstedit's command line:
//
//     pstedit [--quit-after-first-paint] [FILE]
//     pstedit --help | --version
//
// FILE is loaded as Load would load it with FILE chosen in its dialog.
// --quit-after-first-paint ends the program once the window has been painted
// for the first time (for timing the start). Qt's own options are taken off
// by QApplication before the rest is read.
//
// Diagnostic options, for tests that run the program without a window
// system; they are not in --help:
//
//     --diagnostic-answers=A,B,...  every question is answered from the list,
//         in order, and written to stdout with its answer; file dialogs are
//         cancelled, messages written to stdout. Answers: save, discard,
//         cancel, restore, later; an unfitting or missing answer cancels
//         (later for the restore question).
//     --diagnostic-recovery-ms=N    the recovery copy is written N ms after
//         a change (1..600000) instead of 10 seconds
//     --diagnostic-insert           after start (and FILE), Insert once
//     --diagnostic-dump=PATH        then write the editor state, in the
//         recovery copy's form with time 0, to PATH

#include <QtCore/QString>
#include <QtCore/QStringList>

#include <optional>

struct EditorDiagnostics {
    std::optional<QStringList> answers;
    std::optional<int> recoveryMs;
    bool insertStep = false;
    std::optional<QString> dumpPath;
};

struct EditorCommandLine {
    std::optional<QString> file;
    bool quitAfterFirstPaint = false;
    EditorDiagnostics diagnostics;
};

// What the program prints and returns without opening its window.
struct CommandLineExit {
    QString text;
    bool toStandardError = false;
    int status = 0;
};

inline constexpr int kUsageStatus = 2;

// --help or --version anywhere before "--": answered before the window
// system is started, so they work without a display.
std::optional<CommandLineExit> informationRequest(const QStringList& arguments);

// The arguments after the program name, Qt's options already removed. A
// usage error is returned as its message and status 2.
struct ParsedCommandLine {
    EditorCommandLine options;
    std::optional<CommandLineExit> exit;
};
ParsedCommandLine parseEditorCommandLine(const QStringList& arguments);

QString editorHelpText();
QString editorVersionText();
