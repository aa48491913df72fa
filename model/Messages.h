#pragma once
// Every text the editor shows to the user, in one place, so that tests compare
// them exactly and nobody rewords one by accident.

#include <cstdint>
#include <string>
#include <string_view>

namespace pst::msg {

inline constexpr std::string_view kStreamReadError = "Stream read error";
inline constexpr std::string_view kNeedEnterName = "Need Enter Name";
inline constexpr std::string_view kCannotChangeFixedFilesize = "Cannot change fixed filesize";
inline constexpr std::string_view kUpgradeNeedsD1 = "Upgrade needs a D1 step: nothing was changed";
inline constexpr std::string_view kSaveChangesQuestion = "Save changes to the script?";

// "Cannot open file "<path>". <reason>"
std::string cannotOpenFile(std::string_view path, std::string_view reason);
// "Cannot create file "<path>". <reason>"
std::string cannotCreateFile(std::string_view path, std::string_view reason);
// "Unable to write to <path>"
std::string unableToWrite(std::string_view path);
// "Resource <name> not found"
std::string resourceNotFound(std::string_view name);
// "Test Count Overflow! Max Count: <n>"
std::string testCountOverflow(std::int64_t maxCount);
// The exchange file names steps beyond the 16 KiB block of key names that
// the import reads: "Only the first <n> of <total> steps were imported"
std::string importTruncated(std::size_t imported, std::size_t total);
// "Unsupported record size <n>"
std::string unsupportedRecordSize(unsigned recordSize);
// At start, for the recovery copy an earlier run left: "Restore the unsaved
// script from <time>?"
std::string restoreQuestion(std::string_view time);
// A recovery copy that cannot be brought back: "The unsaved script in
// "<path>" cannot be restored and was removed. <reason>"
std::string recoveryCopyUnusable(std::string_view path, std::string_view reason);
inline constexpr std::string_view kRecoveryCopyDamaged = "The file is damaged.";
// "Cannot write the recovery copy "<path>". <reason>"
std::string recoveryCopyNotWritten(std::string_view path, std::string_view reason);

} // namespace pst::msg
