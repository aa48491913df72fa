#pragma once
// Builds module images for tests: a layout, a header and step records, so
// that no test depends on binary fixtures.

#include "model/Bytes.h"
#include "model/ModuleLayout.h"
#include "model/StepRecord.h"

#include <cstdint>
#include <vector>

namespace pst::test {

struct StepSpec {
    std::uint16_t testId = 0xDC;
    std::uint16_t errorCode = 0xFFFF;
    std::uint16_t links[3] = {0, 0, 0};
};

class ModuleBuilder {
public:
    explicit ModuleBuilder(ModuleLayout layout = ModuleLayout::Royl);

    // Record size written into the header (0 means the layout's default).
    ModuleBuilder& headerRecordSize(std::uint16_t size);
    ModuleBuilder& currentStep(std::uint16_t step);
    ModuleBuilder& ptmStartTime(std::uint32_t seconds);
    ModuleBuilder& moduleId(std::uint16_t id);
    // Room for this many records (the image size follows); default: the
    // records added plus 4.
    ModuleBuilder& capacity(int records);
    ModuleBuilder& step(const StepRecord& record);
    ModuleBuilder& step(std::uint16_t testId, std::uint16_t errorCode = 0xFFFF);

    // A fresh record of the builder's record size.
    StepRecord record(std::uint16_t testId, std::uint16_t errorCode = 0xFFFF) const;
    std::uint16_t recordSize() const;
    Bytes build() const;

private:
    ModuleLayout m_layout;
    std::uint16_t m_headerRecordSize = 0;
    std::uint16_t m_currentStep = 1;
    std::uint32_t m_ptm = 0;
    std::uint16_t m_moduleId = 0x28;
    int m_capacity = -1;
    std::vector<StepRecord> m_steps;
};

} // namespace pst::test
