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
inline constexpr std::string_view kNotEnoughMemory = "Not enough memory";
// Reasons of the two file messages beside the system's own.
inline constexpr std::string_view kNotRegularFile = "Not a regular file";
inline constexpr std::string_view kFileTooLarge = "File too large";
// A folder named as a file, in the words POSIX systems use; Windows has none
// of its own for it.
inline constexpr std::string_view kIsDirectory = "Is a directory";
// A legacy module starting with "ROY" whose checksum byte comes out as "L"
// would read back as a ROYL module with another script in it.
inline constexpr std::string_view kChecksumWouldMakeRoyl =
    "Cannot save: the checksum byte at offset 3 would make this legacy module start with \"ROYL\" "
    "and read back as a different module; nothing was written";

// A file name as the messages show it: control characters escaped (\n,
// \x1b), so that a name cannot break a message's line or reach a terminal
// as a command. The file-name messages below show names this way.
std::string shownFileName(std::string_view path);
// "Cannot open file "<path>". <reason>"
std::string cannotOpenFile(std::string_view path, std::string_view reason);
// "Cannot create file "<path>". <reason>"
std::string cannotCreateFile(std::string_view path, std::string_view reason);
// "Unable to write to <path>"
std::string unableToWrite(std::string_view path);
// "Resource <name> not found"
std::string resourceNotFound(std::string_view name);
// Before Save replaces the loaded file that someone changed meanwhile:
// "<path> changed on disk since it was loaded. Replace it?"
std::string changedOnDiskQuestion(std::string_view path);
// When the window comes to the front and the loaded file has changed while
// the script has no unsaved edits: "<path> changed on disk. Load it again?"
std::string reloadChangedQuestion(std::string_view path);
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

// --- comparing two scripts -----------------------------------------------
// "Cannot compare with "<path>": the file is empty"
std::string compareFileEmpty(std::string_view path);
// What a link names, beside its value in a difference: "step 21", or these.
inline constexpr std::string_view kCompareNoStep = "no step";
inline constexpr std::string_view kCompareOutsideScript = "outside the script";
// Taking from the other script in the compare window: a link that names a
// step the edited script lacks, "<field> names a step the edited script does
// not have; nothing was taken"; and links of a taken step set to no next
// step for that reason, "Taken; <n> link(s) set to no next step: the edited
// script lacks the step they name".
std::string takeLinkMissing(std::string_view field);
std::string takeUnlinked(int links);

// --- a field value typed by the user ---------------------------------------
inline constexpr std::string_view kFieldValueEmpty = "Enter a value";
// "\"<text>\" is not a hexadecimal number" (or "a decimal number"); a long
// text is cut to its first 24 characters and "..."
std::string fieldValueNotNumber(std::string_view text, bool hex);
// "\"<text>\" does not fit in <n> bytes (at most <max>)"; max as 0x + hex
// digits or in decimal
std::string fieldValueTooLarge(std::string_view text, std::size_t width, bool hex);
// "<field> at 0x<offset>: <reason>; nothing was written"
std::string fieldValueRefused(std::string_view field, std::size_t offset, std::string_view reason);

// --- what a link of a step points to ------------------------------------
inline constexpr std::string_view kNoNextStep = "no next step";
inline constexpr std::string_view kLinkZero = "no step: step numbers start at 1";
// "step <n>: <caption> <description>" (no blank and description when it is empty)
std::string linkToStep(int step, std::string_view caption, std::string_view description);
// "step <n>: outside the script (<count> steps)"; "1 step" for a single step
std::string linkOutsideScript(int step, int count);

// --- what a field of a step means ----------------------------------------
inline constexpr std::string_view kTestIdEndsScript = "ends the script";
inline constexpr std::string_view kTestIdNotInCatalog = "not in ModDescr.ini";
inline constexpr std::string_view kPostActionNoLine = "no TREX line";
// "TREX line \"<line>\""
std::string postActionLine(std::string_view line);
// "<size> bytes (0x4E to 0x87)"
std::string logArea(std::size_t offset, std::size_t size);

} // namespace pst::msg
