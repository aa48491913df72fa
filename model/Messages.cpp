#include "model/Messages.h"

#include "model/Hex.h"

namespace pst::msg {

std::string shownFileName(std::string_view path)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    const auto escape = [](std::string& out, unsigned char c) {
        switch (c) {
        case '\n': out += "\\n"; return;
        case '\r': out += "\\r"; return;
        case '\t': out += "\\t"; return;
        default: out += "\\x"; out += kDigits[c >> 4]; out += kDigits[c & 0xF];
        }
    };
    std::string out;
    out.reserve(path.size());
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        // C1 controls in UTF-8 (U+0080..U+009F) act on terminals as well.
        const bool c1 = c == 0xC2 && i + 1 < path.size() && (static_cast<unsigned char>(path[i + 1]) & 0xE0) == 0x80;
        if (c1) {
            escape(out, c);
            escape(out, static_cast<unsigned char>(path[++i]));
        } else if (c < 0x20 || c == 0x7F) {
            escape(out, c);
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string cannotOpenFile(std::string_view path, std::string_view reason)
{
    return "Cannot open file \"" + shownFileName(path) + "\". " + std::string(reason);
}

std::string cannotCreateFile(std::string_view path, std::string_view reason)
{
    return "Cannot create file \"" + shownFileName(path) + "\". " + std::string(reason);
}

std::string changedOnDiskQuestion(std::string_view path)
{
    return shownFileName(path) + " changed on disk since it was loaded. Replace it?";
}

std::string reloadChangedQuestion(std::string_view path)
{
    return shownFileName(path) + " changed on disk. Load it again?";
}

std::string unableToWrite(std::string_view path)
{
    return "Unable to write to " + shownFileName(path);
}

std::string resourceNotFound(std::string_view name)
{
    return "Resource " + std::string(name) + " not found";
}

std::string testCountOverflow(std::int64_t maxCount)
{
    return "Test Count Overflow! Max Count: " + std::to_string(maxCount);
}

std::string importTruncated(std::size_t imported, std::size_t total)
{
    return "Only the first " + std::to_string(imported) + " of " + std::to_string(total) + " steps were imported";
}

std::string unsupportedRecordSize(unsigned recordSize)
{
    return "Unsupported record size " + std::to_string(recordSize);
}

std::string restoreQuestion(std::string_view time)
{
    return "Restore the unsaved script from " + std::string(time) + "?";
}

std::string recoveryCopyUnusable(std::string_view path, std::string_view reason)
{
    return "The unsaved script in \"" + shownFileName(path) + "\" cannot be restored and was removed. "
           + std::string(reason);
}

std::string recoveryCopyNotWritten(std::string_view path, std::string_view reason)
{
    return "Cannot write the recovery copy \"" + shownFileName(path) + "\". " + std::string(reason);
}

std::string compareFileEmpty(std::string_view path)
{
    return "Cannot compare with \"" + std::string(path) + "\": the file is empty";
}

std::string takeLinkMissing(std::string_view field)
{
    return std::string(field) + " names a step the edited script does not have; nothing was taken";
}

std::string takeUnlinked(int links)
{
    return "Taken; " + std::to_string(links) + (links == 1 ? " link" : " links")
        + " set to no next step: the edited script lacks the step they name";
}

namespace {
// A text the user typed, quoted; cut so that a pasted page stays readable.
std::string quoted(std::string_view text)
{
    constexpr std::size_t kMaxShown = 24;
    if (text.size() > kMaxShown)
        return "\"" + std::string(text.substr(0, kMaxShown)) + "...\"";
    return "\"" + std::string(text) + "\"";
}
} // namespace

std::string fieldValueNotNumber(std::string_view text, bool hex)
{
    return quoted(text) + (hex ? " is not a hexadecimal number" : " is not a decimal number");
}

std::string fieldValueTooLarge(std::string_view text, std::size_t width, bool hex)
{
    const std::uint64_t max = (std::uint64_t{1} << (8 * width)) - 1;
    return quoted(text) + " does not fit in " + std::to_string(width) + (width == 1 ? " byte" : " bytes")
        + " (at most " + (hex ? "0x" + hexUpper(max) : std::to_string(max)) + ")";
}

std::string fieldValueRefused(std::string_view field, std::size_t offset, std::string_view reason)
{
    return std::string(field) + " at 0x" + hexUpper(offset, 2) + ": " + std::string(reason) + "; nothing was written";
}

std::string linkToStep(int step, std::string_view caption, std::string_view description)
{
    std::string text = "step " + std::to_string(step) + ": " + std::string(caption);
    if (!description.empty())
        text += " " + std::string(description);
    return text;
}

std::string linkOutsideScript(int step, int count)
{
    return "step " + std::to_string(step) + ": outside the script (" + std::to_string(count)
        + (count == 1 ? " step)" : " steps)");
}

std::string postActionLine(std::string_view line)
{
    return "TREX line \"" + std::string(line) + "\"";
}

std::string logArea(std::size_t offset, std::size_t size)
{
    return std::to_string(size) + " bytes (0x" + hexUpper(offset, 2) + " to 0x"
        + hexUpper(offset + size - 1, 2) + ")";
}

} // namespace pst::msg
