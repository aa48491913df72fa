#pragma once
// The window's own stored settings (its placement, the field inspector's
// state): where they are kept, and writing one of them.

#include <QtCore/QString>

#include <functional>
#include <memory>

class QSettings;

// The group of the window's settings (the window's class name).
inline constexpr char kWindowSettingsGroup[] = "TfmScript";

// A new handle on the settings at each use; tests give a file of their own.
using SettingsFactory = std::function<std::unique_ptr<QSettings>()>;

// Settings of the running program: native format, per user, named after the
// program file without its extension.
SettingsFactory programSettings();

// Stores value under key unless the same text is already stored there: a
// window closed where it was opened then leaves the settings file alone
// instead of rewriting and syncing it at every exit.
void storeSetting(QSettings& settings, const QString& key, const QString& value);
