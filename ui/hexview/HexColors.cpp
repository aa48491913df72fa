#include "ui/hexview/HexColors.h"

#include <QtGui/QPalette>

HexColors HexColors::fromPalette(const QPalette& palette)
{
    HexColors colors;
    colors.background = palette.color(QPalette::Base);
    colors.charText = palette.color(QPalette::Text);
    colors.gutterBackground = palette.color(QPalette::Button);
    colors.currentOffsetBackground = palette.color(QPalette::Dark);
    colors.currentOffsetText = palette.color(QPalette::Light);
    colors.selectionBackground = palette.color(QPalette::Highlight);
    colors.selectionText = palette.color(QPalette::HighlightedText);
    return colors;
}
