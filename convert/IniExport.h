#pragma once
// The script as an INI exchange file: the line "[PST Sequence]", then one
// line "%-40s = %s" per step in list order. The key (step number, a blank,
// the description cut to 80 bytes) is for people only; the value carries
// the first 72 bytes of the record as nineteen upper-case hex fields:
// TEST_ID, TEST_ARG (always written), P1..P16 and POST_ACTION (empty when 0).
// Links, ERROR_CODE and the log are not carried. Lines end with CR LF; the
// description is written as it is, neither quoted nor escaped.

#include "model/StepList.h"

#include <string>
#include <string_view>

namespace pst {

class Editor;

inline constexpr std::string_view kPstSequenceSection = "PST Sequence";
inline constexpr int kIniFieldCount = 19;

// "DC,1,F,1,A" followed by fourteen commas for the insert template.
std::string iniStepValue(const StepRecord& record);
// "<stepNumber> <description cut to 80 bytes>".
std::string iniStepKey(int stepNumber, std::string_view description);
// The key padded with blanks to 40 bytes (a longer key is not cut), " = ",
// the value; without line end.
std::string iniStepLine(int stepNumber, const StepRow& row);
// The whole file.
std::string iniExchangeText(const StepList& steps);

// "Export to INI": nothing without a loaded module; otherwise the save
// dialog proposes "PST.ini" and the chosen file is written atomically.
// Throws Error with the system's reason when the file cannot be written.
void miExporttoINIClick(Editor& editor);

} // namespace pst
