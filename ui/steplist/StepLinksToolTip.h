#pragma once
// The step list's tooltip on a row: its three links and the steps they point
// to, one per line ("GOTO_ON_SUCCES → step 2: D2 Verify drive parameters"),
// with "outside the script" for a link past the last step; before them, for
// each link past the last step, the link check's finding after "Warning: ".

#include <QtCore/QString>

namespace pst {
class StepList;
}

// Empty for a row without a record.
QString stepLinksToolTip(const pst::StepList& steps, int row);
