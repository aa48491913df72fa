#pragma once
// The script as a TREX command script: one command block "ExternalTest" that
// times the whole run and, per step in list order, prints a title, runs the
// test with "xf" and performs the step's post action. The links play no part:
// the terminal tool runs the steps one after the other.
//
// The text is 8-bit, without byte-order mark; every line ends with CR LF, the
// last one included. Descriptions go in unchanged (nothing is escaped).

#include "model/StepList.h"

#include <functional>
#include <string>

namespace pst {

class Editor;

// The eighteen values of the "xf" line joined by commas: TEST_ID always as
// 0x + upper-case hex; TEST_ARG and P1..P16 as one decimal digit below 10,
// else like TEST_ID (9, 0xA, 0xFFFFFFFF).
std::string trexParameterList(const StepRecord& record);

// The title of a step, cut to its first 80 bytes. Normal form: the test id
// (two hex digits at least), a blank and the description. Ctrl form:
// "====== Test DC,1,0F ======" (test id, argument, low 16 bits of P1).
std::string trexTitle(const StepRow& row, bool ctrlForm);

// The post-action line for the low 16 bits of POST_ACTION (1, 2, 4 or 8);
// empty when the value has no line (0, 3, 16, ...).
std::string trexPostActionLine(std::uint32_t postAction);

// The whole script. `ctrlHeld` is asked once per step, as its block is
// written, and chooses that step's title form.
std::string trexScript(const StepList& steps, const std::function<bool()>& ctrlHeld);

// "Export to TRX" / "to TREX": nothing without a loaded module; otherwise the
// save dialog proposes "PST.trx" and the chosen file is written atomically.
// Throws Error with the system's reason when the file cannot be written.
void miExporttoTRXClick(Editor& editor);

} // namespace pst
