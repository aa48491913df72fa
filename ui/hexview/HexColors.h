#pragma once
// Every colour the hex view paints with. The fixed ones are the view's own;
// the rest are the system's colours by their role, taken from the palette.

#include <QtGui/QColor>

class QPalette;

struct HexColors {
    QColor background;                          // window background
    QColor groupText[2] = {{0, 0, 255}, {0, 0, 128}}; // blue and navy, group by group
    QColor charText;                            // window text
    QColor changedBackground{255, 255, 168};    // light yellow
    QColor changedText{128, 0, 0};              // maroon
    QColor frameFocused{0, 0, 128};             // navy
    QColor frameUnfocused{0, 255, 255};         // aqua
    QColor gutterText{0, 0, 0};                 // black
    QColor gutterBackground;                    // button face
    QColor currentOffsetBackground;             // button shadow
    QColor currentOffsetText;                   // button highlight
    QColor selectionBackground;
    QColor selectionText;

    static HexColors fromPalette(const QPalette& palette);
};
