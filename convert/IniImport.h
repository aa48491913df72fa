#pragma once
// Reading an INI exchange file back as new steps: one step per key of the
// section "PST Sequence", in file order, inserted through insert-a-step after
// the selected step. The keys' texts play no part; each value gives bytes
// 0x00..0x43 of the record and POST_ACTION, the rest keeps what insert-a-step
// put there (links to the next step, ERROR_CODE 0xFFFF, an empty log).

#include "model/StepList.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace pst {

class Editor;

// Splits a value at commas. Blanks (bytes up to 0x20) around a field are
// skipped and a blank inside a field ends it, so "1 2" gives two fields. Two
// commas in a row give an empty field, a comma ending the value a final empty
// field; an empty value gives no field at all.
std::vector<std::string_view> splitIniFields(std::string_view value);

// A field as a hexadecimal number without prefix; 0 for an empty field, any
// other character ("0x1A", "-1") or a value beyond 32 bits.
std::uint32_t iniFieldValue(std::string_view field);

// Zeroes bytes 0x00..0x43 of the record, then stores the fields: 1 in TEST_ID
// and 2 in TEST_ARG (low 16 bits), 3..18 in P1..P16, 19 in POST_ACTION.
// Fields from the twentieth on are ignored: the links and the log are not
// part of the exchange. The export writes descriptions into the keys as they
// are, so a description holding "=" moves the key's tail into the value as
// the INI rules read it ("1 a=b  = DC,1" gives the value "b  = DC,1"); a
// step value never holds "=", so only the text after the last "=" counts.
void applyIniValue(StepRecord& record, std::string_view value);

// "Import from INI": nothing without a loaded module; otherwise the open
// dialog proposes "*.ini" (the name is cleared afterwards) and every key of
// the chosen file's "PST Sequence" section becomes a step, the last of them
// selected. A file without the section adds nothing. Throws Error("Cannot
// open file ...") when the chosen file cannot be read.
void miImportfromINIClick(Editor& editor);

} // namespace pst
