#include "model/Messages.h"

namespace pst::msg {

std::string cannotOpenFile(std::string_view path, std::string_view reason)
{
    return "Cannot open file \"" + std::string(path) + "\". " + std::string(reason);
}

std::string cannotCreateFile(std::string_view path, std::string_view reason)
{
    return "Cannot create file \"" + std::string(path) + "\". " + std::string(reason);
}

std::string unableToWrite(std::string_view path)
{
    return "Unable to write to " + std::string(path);
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
    return "The unsaved script in \"" + std::string(path) + "\" cannot be restored and was removed. "
           + std::string(reason);
}

std::string recoveryCopyNotWritten(std::string_view path, std::string_view reason)
{
    return "Cannot write the recovery copy \"" + std::string(path) + "\". " + std::string(reason);
}

} // namespace pst::msg
