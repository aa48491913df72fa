#pragma once
// Hexadecimal as the user sees it: upper-case digits, no prefix.

#include "model/HexDigit.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pst {

// Upper-case hexadecimal of v with at least minDigits digits (zero-padded).
std::string hexUpper(std::uint64_t v, int minDigits = 1);
// The same appended to `out`: long texts are built in one buffer.
void appendHexUpper(std::string& out, std::uint64_t v, int minDigits = 1);

// Test ids, module ids and error codes: at least two digits (DC, 3421, 05).
inline std::string hex2(std::uint64_t v) { return hexUpper(v, 2); }

// Strict hexadecimal: one or more digits 0-9, A-F, a-f and nothing else (no
// prefix, no sign, no blanks); nullopt when the text is not such a number or
// its value does not fit in 32 bits.
std::optional<std::uint32_t> parseHex32(std::string_view text);

// The module id from the text of the module id box: hexadecimal, 0x28 when the
// text is not a hexadecimal number, low 16 bits only.
std::uint16_t ModuleIdFromText(std::string_view text);

// The open dialog filter of a module: "Module 28|*28*.rpm|All|*.*".
std::string moduleFilter(std::uint16_t moduleId);
// The file name the save dialog proposes for a module: "~id28.rpm".
std::string moduleSaveName(std::uint16_t moduleId);

inline constexpr std::string_view kAllFilesFilter = "All|*.*";

} // namespace pst
