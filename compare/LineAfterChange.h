#pragma once
// Where a view's selected line is after the comparison is made anew, because
// the edited script changed while the other stayed as it was. The other
// script's steps are the anchors: a line with one of them stays with it; a
// line with a step of the edited script only keeps its distance below the
// nearest such line above it, up to the next.

#include "compare/ScriptComparison.h"

namespace pst {

// The line of `after` that stands where line `line` of `before` stood;
// `anchor` is the side that did not change. -1 for -1, and when `after` has
// no lines.
int lineAfterChange(const ScriptComparison& before, int line, const ScriptComparison& after, CompareSide anchor);

} // namespace pst
