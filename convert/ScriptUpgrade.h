#pragma once
// Brings a script written for an older test set to the current one, in the
// step list only (the module file changes on Save). Every step that comes or
// goes does so through insert-a-step and delete-a-step, so the links are
// corrected as those commands do (the removal deletes its steps at once, with
// the links as one Delete after another would leave them).
//
// The phases, in order, each on the list the previous ones left:
// 1. closing steps: the script ends with three 0x00DC steps (P4 = 6, 4, 2);
// 2. ROYL only: old test ids become current ones, 0xB000 placeholders become
//    fixed steps by their rank (0x00B9, 0x00BC, then 0x00DC);
// 3. a 0x00D8 step, when missing, directly before the first 0x00D1 step;
// 4. ROYL only: a 0x3421 step, when missing, directly before it too;
// 5. P2 and P3 cleared in the steps of 0x00B9, 0x00BA, 0x00BC, 0x3402,
//    0x3406 and 0x3501;
// 6. every 0x00DC and 0xEEEE step before the last three rows removed.
// A second run changes no step.

#include "model/ModuleLayout.h"
#include "model/StepList.h"

#include <cstdint>

namespace pst {

class Editor;

// The current id of an old test id (ROYL), or the id itself.
std::uint16_t upgradedTestId(std::uint16_t testId);

// Whether the upgrade of this list would have to add a 0x00D8 or (ROYL) a
// 0x3421 step but has no 0x00D1 step to put it before. No phase makes or
// removes a 0x00D1, 0x00D8 or 0x3421 step other than the required ones
// (0x81FA becomes 0x3421 in ROYL), so this is known before phase 1.
bool upgradeLacksD1(const StepList& steps, ModuleLayout layout);

// Phase 6 alone: deletes every 0x00DC and 0xEEEE step before the last three
// rows, with the links as delete-a-step leaves them one step after another,
// in one pass; selects where that walk would end.
void removeSuperfluousSteps(Editor& editor);

// "Upgrade Script" (Ctrl+U). Does nothing on an empty list. When
// upgradeLacksD1 holds it changes nothing and shows "Upgrade needs a D1 step:
// nothing was changed"; otherwise it runs the six phases.
void miUpgradeScriptClick(Editor& editor);

} // namespace pst
