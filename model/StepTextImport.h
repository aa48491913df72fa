#pragma once
// Import of a step text file dropped on the window: one step per line, its
// fields in hexadecimal, separated by commas or blanks:
//
//     DC,1,F          TEST_ID DC, TEST_ARG 1, P1 = 0xF
//     * a remark      (skipped: the line holds a "*")
//
// Field 0 is TEST_ID, field 1 TEST_ARG, field k >= 2 the 32-bit word at
// 4 * (k - 1) (P1 to P16, POST_ACTION, and on while it lies inside the
// record); fields beyond the record are dropped. The pure parts are exposed
// for tests and for any other reader of the same format.

#include "model/Bytes.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pst {

class Editor;

// The lines of a text: a line ends at CR, LF or CR LF, and the text ends at
// the first NUL. A final line without line end counts; a line end at the very
// end gives no further empty line.
std::vector<std::string_view> splitTextLines(std::string_view text);

// The same lines one at a time, for a text too large to list them first.
class TextLines {
public:
    explicit TextLines(std::string_view text) : m_text(text.substr(0, text.find('\0'))) {}
    // The next line, or false at the end.
    bool next(std::string_view& line);

private:
    std::string_view m_text;
    std::size_t m_at = 0;
};

// A line that is skipped: blank (nothing but blanks and control characters,
// that is characters up to the space) or holding a "*" anywhere.
bool isSkippedStepLine(std::string_view line);

// The fields of a line. Fields are separated by a comma or by blanks; blanks
// around a comma are skipped; two commas in a row give an empty field, and a
// comma at the very end gives a final empty field. A field that starts with a
// double quote runs to the matching quote (a doubled quote inside stands for
// one, an unmatched quote runs to the end) and loses its quotes. Fields after
// the first maxFields are not read: a line of a million fields costs no more
// than one of maxFields.
std::vector<std::string> splitStepFields(std::string_view line, std::size_t maxFields = SIZE_MAX);

// How many fields of a line can land in a record of this size.
std::size_t stepFieldsInRecord(std::size_t recordSize);

// A field trimmed of blanks, read as hexadecimal without prefix; a field that
// is not such a number (empty, "0x1A", more than 32 bits) gives 0.
std::uint32_t parseStepField(std::string_view field);

// Stores the fields of one line into a record: field 0 as 16 bits at 0x00,
// field 1 as 16 bits at 0x02, field k >= 2 as 32 bits at 4 * (k - 1) when
// those 4 bytes lie inside the record. Other bytes stay.
void storeStepFields(MutableByteView record, const std::vector<std::string>& fields);

// Appends one step per line after the selected row, each through the editor's
// insert (miInsertClick), with bytes 0x00..0x43 zeroed before the fields are
// stored, the caption and the description set; then asks for the refresh of
// the selected step. Does nothing when the editor has no image. Returns the
// number of steps imported.
int ImportStepText(Editor& editor, std::string_view text);

} // namespace pst
