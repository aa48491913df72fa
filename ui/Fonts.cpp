#include "ui/Fonts.h"

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
    font.setFamilies(withFallbacks(family));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kPixelSize);
    return font;
}
} // namespace

QFont windowFont() { return designedFont(QStringLiteral("MS Sans Serif")); }

QFont stepListFont() { return designedFont(QStringLiteral("Tahoma")); }
