#pragma once
// How the compare window marks what differs: a pale background per kind of
// line, light enough for every step colour of the list to stay readable,
// and a hatched grey where one script has no step.

#include "compare/ScriptComparison.h"

#include <QtGui/QBrush>

// The background of a row of one side on a line of `kind`; `moved` for a
// step that stands elsewhere on the other side; no brush for a line that is
// the same on both sides.
QBrush lineMark(pst::LineKind kind, bool gap, bool moved);

// The background of a field that differs (the hex view's changed bytes).
QBrush changedFieldMark();
