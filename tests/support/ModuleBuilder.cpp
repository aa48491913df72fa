#include "support/ModuleBuilder.h"

#include "model/Checksum.h"
#include "model/ModuleImage.h"

namespace pst::test {

ModuleBuilder::ModuleBuilder(ModuleLayout layout) : m_layout(layout) {}

ModuleBuilder& ModuleBuilder::headerRecordSize(std::uint16_t size) { m_headerRecordSize = size; return *this; }
ModuleBuilder& ModuleBuilder::currentStep(std::uint16_t step) { m_currentStep = step; return *this; }
ModuleBuilder& ModuleBuilder::ptmStartTime(std::uint32_t seconds) { m_ptm = seconds; return *this; }
ModuleBuilder& ModuleBuilder::moduleId(std::uint16_t id) { m_moduleId = id; return *this; }
ModuleBuilder& ModuleBuilder::capacity(int records) { m_capacity = records; return *this; }
ModuleBuilder& ModuleBuilder::step(const StepRecord& record) { m_steps.push_back(record); return *this; }
ModuleBuilder& ModuleBuilder::step(std::uint16_t testId, std::uint16_t errorCode) { return step(record(testId, errorCode)); }

std::uint16_t ModuleBuilder::recordSize() const
{
    return m_headerRecordSize ? m_headerRecordSize : layoutInfo(m_layout).defaultRecordSize;
}

StepRecord ModuleBuilder::record(std::uint16_t testId, std::uint16_t errorCode) const
{
    StepRecord r(recordSize());
    r.setTestId(testId);
    r.setErrorCode(m_layout, errorCode);
    return r;
}

Bytes ModuleBuilder::build() const
{
    const LayoutInfo& info = layoutInfo(m_layout);
    const int capacity = m_capacity >= 0 ? m_capacity : static_cast<int>(m_steps.size()) + 4;
    ModuleImage image(Bytes(info.firstRecordOffset + static_cast<std::size_t>(capacity) * recordSize(), 0));
    if (m_layout == ModuleLayout::Royl) {
        image.seek(0);
        image.writeU32(kRoylMagic);
    } else {
        image.seek(0);
        image.write(Bytes{'M', 'O', 'D'});
        image.seek(6);
        image.writeU16(m_layout == ModuleLayout::Legacy32 ? kLegacy32Marker : 0x3832);
    }
    image.seek(info.headerOffset);
    image.writeU16(m_currentStep);
    image.writeU16(m_headerRecordSize);
    image.writeU32(m_ptm);
    image.seek(info.firstRecordOffset);
    for (const StepRecord& r : m_steps)
        image.write(r.bytes());
    SetModuleId(image, m_moduleId);
    return image.data();
}

} // namespace pst::test
