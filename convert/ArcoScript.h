#pragma once
// "Create ARCO Script": a block of ARCO steps, steps whose P1 carries an ARCO
// code in its low byte. Confirming module 2403 gives the fixed series A,
// parameterised by a word of module 47; otherwise series B carries the 64-byte
// ARCO blocks of the modules 2000..20C0, read where the drive type code of
// module 21 says.

#include "model/Bytes.h"

#include <array>
#include <cstdint>
#include <string>

namespace pst {

class Editor;
class ModuleImage;

inline constexpr std::size_t kArcoBlockSize = 64;
using ArcoBlock = std::array<Byte, kArcoBlockSize>;

// The command. Does nothing without a script module. The block takes the
// place of the selected row, which follows it with the rows after it (at the
// top without a selection). Series A leaves its last step selected, series B
// the first row of the list. A module too short for a read fails with
// "Stream read error"; the steps inserted so far stay.
void miCreateARCOScriptClick(Editor& editor);

// Moves the selection one row up (from the first row: no selection), so that
// inserts behind it take the selected row's place.
void AddARCO1Click(Editor& editor);

// Series B: B1..B14, reading the drive type code first; selects the first row.
void BuildArcoScriptFromModules(Editor& editor);

// Reads the module's ARCO block and, unless its first byte is 0, inserts a
// step of `testId` carrying the block in P1..P16. True when a step was added.
bool AddArcoStep(Editor& editor, std::uint16_t moduleId, std::uint16_t testId, std::uint16_t driveTypeCode);

// The 64 bytes at the module's block offset; all zeros when the dialog is
// cancelled or the file is empty.
ArcoBlock ReadArcoBlock(Editor& editor, std::uint16_t moduleId, std::uint16_t driveTypeCode);

// Where an ARCO module keeps its block: by the drive type code in the ROYL
// layout (for an unlisted code 147, or 177 when the byte at 147 is 0), 141 in
// the legacy layouts. Throws "Stream read error" when the module is too short
// for what must be read to decide.
std::size_t ArcoBlockOffset(ModuleImage& module, std::uint16_t driveTypeCode);

// Module 21's drive type code: the u16 at its data offset; 0 when the dialog
// is cancelled or the file is empty.
std::uint16_t ReadDriveTypeCode(Editor& editor);

// The word of module 47 at offset 46 (ROYL) or 20 (legacy); 0 when the dialog
// is cancelled or the file is empty.
std::uint16_t ReadModule47Word(Editor& editor);

// The Description column of an ARCO step: "5A - " + section "ARCO" key 5A.
std::string arcoDescription(Editor& editor, std::uint8_t code);

} // namespace pst
