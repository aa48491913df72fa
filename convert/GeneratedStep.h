#pragma once
// How the generators add their steps: only through the insert command, which
// puts a template step behind the selected row and selects it; the generator
// then overwrites the new row's record, caption and description.

#include "model/SharedText.h"

#include <cstdint>
#include <string>

namespace pst {

class Editor;
class StepRecord;

// A script module has been parsed, so inserted steps have a record size.
bool hasScriptModule(const Editor& editor);

// Gives `row` its record, caption and description, reported as one change.
// Does nothing for a row that does not exist.
void writeStep(Editor& editor, int row, const StepRecord& record, SharedText caption, SharedText description);

// 1-based step number of a row, as links count: the row's own step, and the
// step right behind it.
std::uint16_t ownStep(int row);
std::uint16_t nextStep(int row);

} // namespace pst
