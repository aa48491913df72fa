#include "convert/SourceModule.h"

#include "model/Error.h"
#include "model/Messages.h"
#include "model/ModuleLayout.h"

#include <string>

namespace pst {

namespace {
constexpr std::size_t kRoylDataOffsetField = 6;
constexpr std::size_t kLegacyDataOffset = 24;
} // namespace

std::size_t ModuleDataOffset(const ModuleImage& image)
{
    if (!HasRoylMagic(image))
        return kLegacyDataOffset;
    if (!fits(image.bytes(), kRoylDataOffsetField, 2))
        throw Error(std::string(msg::kStreamReadError));
    return getU16(image.bytes(), kRoylDataOffsetField);
}

void seekInside(ModuleImage& image, std::uint64_t offset)
{
    if (offset > image.size())
        throw Error(std::string(msg::kStreamReadError));
    image.seek(static_cast<std::size_t>(offset));
}

std::uint8_t readU8At(ModuleImage& image, std::uint64_t offset)
{
    seekInside(image, offset);
    return ReadU8(image);
}

std::uint16_t readU16At(ModuleImage& image, std::uint64_t offset)
{
    seekInside(image, offset);
    return ReadU16(image);
}

} // namespace pst
