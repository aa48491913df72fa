#pragma once
// The last modules loaded or saved, newest first, kept with the window's
// settings (group "RecentFiles") so that they survive a restart; stored at
// once, so a crash keeps them too.

#include "ui/common/StoredSetting.h"

#include <QtCore/QStringList>

class RecentFiles {
public:
    static constexpr int kMaxFiles = 10;

    explicit RecentFiles(SettingsFactory settings);

    // Newest first, at most kMaxFiles, each once.
    QStringList files() const;
    // `path` becomes the newest (an earlier place of it goes).
    void add(const QString& path);
    // The folder of the newest file; empty when there is none.
    QString newestFolder() const;

private:
    SettingsFactory m_settings;
};
