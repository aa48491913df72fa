#include "ui/common/StoredSetting.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QFileInfo>
#include <QtCore/QSettings>
#include <QtCore/QVariant>

SettingsFactory programSettings()
{
    return [] {
        QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        if (name.isEmpty())
            name = QStringLiteral("pstedit");
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, name);
    };
}

void storeSetting(QSettings& settings, const QString& key, const QString& value)
{
    const QVariant stored = settings.value(key);
    if (stored.typeId() == QMetaType::QString && stored.toString() == value)
        return;
    settings.setValue(key, value);
}
