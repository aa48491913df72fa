#pragma once
// The names of the temporary files that an atomic write puts beside its
// target: ".NAME.pst-XXXXXX", XXXXXX six letters or digits. A kill that no
// handler can catch (or a power cut) leaves one behind; the name says whose
// it is, so that a later write of the same target removes it. NAME is
// shortened when the whole would pass the folder's limit on name length.

#include <cstddef>
#include <string>
#include <string_view>

namespace pst {

inline constexpr std::size_t kTempUniqueLength = 6;

// The temporary name for the target `name` (a name, no folder), with the
// unique part `unique` (kTempUniqueLength letters or digits), at most
// `nameMax` bytes; NAME is cut at a character boundary where needed.
std::string tempFileName(std::string_view name, std::string_view unique, std::size_t nameMax);

// Whether `entry` is a name that tempFileName makes for `name`.
bool isTempFileName(std::string_view entry, std::string_view name, std::size_t nameMax);

// A fresh unique part: kTempUniqueLength random letters and digits.
std::string tempUniquePart();

} // namespace pst
