#include "ui/window/RecentFiles.h"

#include <QtCore/QFileInfo>
#include <QtCore/QSettings>

namespace {
const QString kKey = QStringLiteral("RecentFiles/Files");
} // namespace

RecentFiles::RecentFiles(SettingsFactory settings) : m_settings(std::move(settings)) {}

QStringList RecentFiles::files() const
{
    QStringList files = m_settings()->value(kKey).toStringList();
    files.removeAll(QString());
    files.removeDuplicates();
    return files.mid(0, kMaxFiles);
}

void RecentFiles::add(const QString& path)
{
    if (path.isEmpty())
        return;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(absolute);
    list.prepend(absolute);
    m_settings()->setValue(kKey, list.mid(0, kMaxFiles));
}

QString RecentFiles::newestFolder() const
{
    const QStringList list = files();
    return list.isEmpty() ? QString() : QFileInfo(list.front()).absolutePath();
}
