#pragma once
// The text colour of a step list row, chosen from the row's ID text and its
// record: the kind of test picks the colour, and a step whose
// GOTO_ON_SUCCES is 0xFFFF (the script stops after it) is fuchsia whatever
// its kind.

#include "model/Bytes.h"

#include <QtGui/QColor>

#include <string_view>

enum class StepColor { WindowText, Fuchsia, Teal, Green, Maroon, Olive, Blue, Red, Lime };

// lvScriptCustomDrawItem's choice. The ID text is trimmed of blanks and read
// as hexadecimal; a text that is no such number counts as 0 (fuchsia). Ids
// above FFFF take the window text colour. The colour follows the ID text,
// not the record's TEST_ID: only GOTO_ON_SUCCES and, for some ids, the low
// byte of P1 come from the record (a missing field reads 0).
StepColor lvScriptCustomDrawItem(std::string_view idText, pst::ByteView record);

// The RGB value of a colour; an invalid QColor for WindowText, which the
// view takes from its palette.
QColor stepColorValue(StepColor color);
