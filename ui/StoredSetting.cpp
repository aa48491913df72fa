#include "ui/StoredSetting.h"

#include <QtCore/QSettings>
#include <QtCore/QVariant>

void storeSetting(QSettings& settings, const QString& key, const QString& value)
{
    const QVariant stored = settings.value(key);
    if (stored.typeId() == QMetaType::QString && stored.toString() == value)
        return;
    settings.setValue(key, value);
}
