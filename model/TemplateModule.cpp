#include "model/TemplateModule.h"

#include "model/Checksum.h"
#include "model/ModuleImage.h"
#include "model/ModuleLayout.h"

namespace pst {

Bytes BuildTemplateModule()
{
    const LayoutInfo& info = layoutInfo(ModuleLayout::Royl);
    ModuleImage image(Bytes(info.firstRecordOffset + kTemplateStepCapacity * kTemplateRecordSize, 0));
    image.seek(0);
    image.writeU32(kRoylMagic);
    image.seek(info.headerOffset);
    image.writeU16(1); // current step
    image.writeU16(kTemplateRecordSize);
    SetModuleId(image, kTemplateModuleId); // also fixes the checksum
    return image.data();
}

} // namespace pst
