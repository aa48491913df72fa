#include "ui/hexview/InstalledFonts.h"

#include <QtGui/QFontDatabase>

std::optional<QString> firstInstalledFamily(const QStringList& families)
{
    // The installed families do not change while the program runs.
    static const QStringList installed = QFontDatabase::families();
    for (const QString& family : families) {
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    }
    return std::nullopt;
}
