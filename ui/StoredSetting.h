#pragma once
// Writing one stored setting of the window placement.

#include <QtCore/QString>

class QSettings;

// Stores value under key unless the same text is already stored there: a
// window closed where it was opened then leaves the settings file alone
// instead of rewriting and syncing it at every exit.
void storeSetting(QSettings& settings, const QString& key, const QString& value);
