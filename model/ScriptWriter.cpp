#include "model/ScriptWriter.h"

#include "model/ModuleImage.h"

#include <algorithm>

namespace pst {

std::optional<ModuleLayout> SerializeScript(ModuleImage& image, const StepList& steps, std::uint16_t recordSize)
{
    if (steps.empty())
        return std::nullopt;
    const ModuleLayout layout = RecogniseLayout(image);
    const LayoutInfo& info = layoutInfo(layout);

    image.seek(info.headerOffset);
    image.writeU16(static_cast<std::uint16_t>(steps.selected() + 1));
    image.writeU16(recordSize);
    image.writeU32(0);

    image.seek(info.firstRecordOffset);
    const Bytes zeros(recordSize, 0);
    for (const StepRow& row : steps.rows()) {
        const ByteView rec = row.record.bytes();
        const std::size_t n = std::min<std::size_t>(rec.size(), recordSize);
        image.write(rec.first(n));
        if (n < recordSize)
            image.write(ByteView(zeros).first(recordSize - n));
    }

    const std::size_t end = image.position();
    MutableByteView all = image.mutableBytes();
    if (end < all.size())
        std::fill(all.begin() + static_cast<std::ptrdiff_t>(end), all.end(), 0);
    image.seek(0);
    return layout;
}

} // namespace pst
