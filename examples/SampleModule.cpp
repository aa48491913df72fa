#include "examples/SampleModule.h"

#include "model/Checksum.h"
#include "model/ModuleImage.h"

namespace pst::examples {

namespace {
constexpr std::uint16_t kLegacy28Marker = 0x3832; // the text "28": anything but "30"
} // namespace

Bytes moduleStart(ModuleLayout layout, std::size_t size)
{
    Bytes b(size, 0);
    if (layout == ModuleLayout::Royl) {
        putU32(b, 0, kRoylMagic);
        putU16(b, 6, kRoylDataOffset);
        return b;
    }
    b[0] = 'P';
    b[1] = 'S';
    b[2] = 'T';
    putU16(b, 6, layout == ModuleLayout::Legacy32 ? kLegacy32Marker : kLegacy28Marker);
    return b;
}

Bytes finishSourceModule(Bytes bytes, std::uint16_t moduleId)
{
    const std::size_t sectors = (bytes.size() + kSectorSize - 1) / kSectorSize;
    bytes.resize(sectors * kSectorSize, 0);
    return finishModule(std::move(bytes), moduleId);
}

Bytes finishModule(Bytes bytes, std::uint16_t moduleId)
{
    ModuleImage image(std::move(bytes));
    SetModuleId(image, moduleId);
    return image.data();
}

} // namespace pst::examples
