#include "support/GeneratorModules.h"

#include "model/StepRecord.h"

namespace pst::test {

namespace {

// A module of `size` bytes filled with kFill, with the magic (ROYL) or a
// legacy-28 start.
Bytes moduleStart(ModuleLayout layout, std::size_t size, Byte fill = kFill)
{
    Bytes b(size, fill);
    if (layout == ModuleLayout::Royl) {
        putU32(b, 0, kRoylMagic);
    } else {
        b[0] = 'M';
        b[1] = 'O';
        b[2] = 'D';
        putU16(b, 6, layout == ModuleLayout::Legacy32 ? kLegacy32Marker : 0x3832);
    }
    return b;
}

std::size_t e6DataStart(ModuleLayout layout) { return layout == ModuleLayout::Royl ? 48 : 24; }

} // namespace

Bytes e6Test(std::uint16_t testId, std::uint16_t testArg, std::initializer_list<std::uint32_t> params)
{
    Bytes b(field::TEST_FIELDS_END, 0);
    putU16(b, field::TEST_ID, testId);
    putU16(b, field::TEST_ARG, testArg);
    std::size_t off = field::P1;
    for (std::uint32_t p : params) {
        putU32(b, off, p);
        off += 4;
    }
    return b;
}

E6ModuleBuilder& E6ModuleBuilder::entry(std::size_t k, std::uint32_t value)
{
    m_entries.emplace_back(k, value);
    return *this;
}

Bytes E6ModuleBuilder::build() const
{
    Bytes b = moduleStart(m_layout, kFirstTestOffset, 0);
    const std::size_t c = e6DataStart(m_layout);
    putU32(b, c, m_firstWord);
    // Unused entries point nowhere sensible, so that reading the wrong one shows.
    for (std::size_t k = 0, off = c + 4; off < 512; ++k, off += 4)
        putU32(b, off, 0xDEAD0000u + static_cast<std::uint32_t>(k));
    putU32(b, c + 4 + 4 * 71, kCountOffset);
    putU32(b, c + 4 + 4 * 72, kFirstTestOffset);
    for (const auto& [k, value] : m_entries)
        putU32(b, c + 4 + 4 * k, value);
    putU32(b, kCountOffset, m_count.value_or(static_cast<std::uint32_t>(m_tests.size())));
    for (const Bytes& t : m_tests)
        b.insert(b.end(), t.begin(), t.end());
    b.insert(b.end(), m_tail, 0);
    return b;
}

Bytes ptmHistoryModule(ModuleLayout layout, const std::vector<PtmEntry>& entries, bool terminated,
                       std::uint16_t dataOffset)
{
    const std::size_t d = layout == ModuleLayout::Royl ? dataOffset : 24;
    const std::size_t count = entries.size() + (terminated ? 1 : 0);
    Bytes b = moduleStart(layout, d + 34 + 192 * count);
    if (layout == ModuleLayout::Royl)
        putU16(b, 6, dataOffset);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const std::size_t e = d + 34 + 192 * k;
        putU16(b, e + 8, entries[k].testId);
        putU16(b, e + 10, entries[k].testArg);
        for (std::size_t p = 0; p < 4; ++p)
            putU32(b, e + 12 + 4 * p, entries[k].params[p]);
    }
    if (terminated)
        putU16(b, d + 34 + 192 * entries.size() + 8, 0);
    return b;
}

std::array<Byte, 64> arcoBlock(std::uint8_t code)
{
    std::array<Byte, 64> block{};
    block[0] = code;
    for (std::size_t i = 1; i < block.size(); ++i)
        block[i] = static_cast<Byte>(i);
    return block;
}

Bytes arcoModule(ModuleLayout layout, std::size_t offset, std::uint8_t code, std::size_t size)
{
    Bytes b = moduleStart(layout, size ? size : offset + 64, 0);
    const auto block = arcoBlock(code);
    for (std::size_t i = 0; i < block.size() && offset + i < b.size(); ++i)
        b[offset + i] = block[i];
    return b;
}

Bytes driveTypeModule(ModuleLayout layout, std::uint16_t code, std::uint16_t dataOffset)
{
    const std::size_t d = layout == ModuleLayout::Royl ? dataOffset : 24;
    Bytes b = moduleStart(layout, d + 16);
    if (layout == ModuleLayout::Royl)
        putU16(b, 6, dataOffset);
    putU16(b, d, code);
    return b;
}

Bytes module47(ModuleLayout layout, std::uint16_t word)
{
    Bytes b = moduleStart(layout, 64);
    putU16(b, layout == ModuleLayout::Royl ? 46 : 20, word);
    return b;
}

} // namespace pst::test
