#pragma once
// The window's fonts at their designed pixel heights, with fallbacks for
// systems that lack the designed families.

#include <QtGui/QFont>

// "MS Sans Serif", 11 pixels: the window and its bottom panel.
QFont windowFont();
// "Tahoma", 11 pixels: the step list (bold once the window is shown).
QFont stepListFont();
