#include "model/ModuleLayout.h"

#include "model/Error.h"
#include "model/Messages.h"
#include "model/ModuleImage.h"

#include <string>

namespace pst {

namespace {
constexpr LayoutInfo kRoyl{12, 8, 48, 56, 136, 0x68};
constexpr LayoutInfo kLegacy32{3, 4, 24, 32, 116, 0x68};
constexpr LayoutInfo kLegacy28{3, 4, 24, 28, 116, 0x54};

void requireBytes(const ModuleImage& image, std::size_t n)
{
    if (image.size() < n)
        throw Error(std::string(msg::kStreamReadError));
}
} // namespace

const LayoutInfo& layoutInfo(ModuleLayout layout)
{
    switch (layout) {
    case ModuleLayout::Royl: return kRoyl;
    case ModuleLayout::Legacy32: return kLegacy32;
    case ModuleLayout::Legacy28: return kLegacy28;
    }
    return kRoyl;
}

std::string_view layoutName(ModuleLayout layout)
{
    switch (layout) {
    case ModuleLayout::Royl: return "royl";
    case ModuleLayout::Legacy32: return "legacy32";
    case ModuleLayout::Legacy28: return "legacy28";
    }
    return "royl";
}

bool HasRoylMagic(const ModuleImage& image)
{
    requireBytes(image, 4);
    return getU32(image.bytes(), 0) == kRoylMagic;
}

ModuleLayout RecogniseLayout(const ModuleImage& image)
{
    if (HasRoylMagic(image))
        return ModuleLayout::Royl;
    requireBytes(image, 8);
    return getU16(image.bytes(), 6) == kLegacy32Marker ? ModuleLayout::Legacy32 : ModuleLayout::Legacy28;
}

} // namespace pst
