#include "ui/common/Fonts.h"

#include "ui/hexview/InstalledFonts.h"

#include <QtCore/QStringList>

namespace {
constexpr int kPixelSize = 11;

// Sans-serif families of similar width, tried in order after the designed one.
QStringList withFallbacks(const QString& designed)
{
    return {designed,
            QStringLiteral("Microsoft Sans Serif"),
            QStringLiteral("Tahoma"),
            QStringLiteral("DejaVu Sans"),
            QStringLiteral("Liberation Sans"),
            QStringLiteral("Noto Sans")};
}

QFont designedFont(const QString& family)
{
    QFont font;
    const QStringList families = withFallbacks(family);
    if (const auto installed = firstInstalledFamily(families))
        font.setFamily(*installed);
    else
        font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kPixelSize);
    return font;
}
} // namespace

QFont windowFont() { return designedFont(QStringLiteral("MS Sans Serif")); }

QFont stepListFont() { return designedFont(QStringLiteral("Tahoma")); }
