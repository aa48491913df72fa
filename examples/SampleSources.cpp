#include "examples/SampleSources.h"

#include "examples/SampleModule.h"
#include "model/ModuleLayout.h"
#include "model/StepRecord.h"

#include <array>

namespace pst::examples {

namespace {

// --- module E6 -------------------------------------------------------------

// Behind the ROYL header: the first word, then the block table up to offset
// 512, whose entries 71 and 72 point at the test count and the first test.
constexpr std::size_t kE6Data = 48;
constexpr std::size_t kE6TableEnd = 512;
constexpr std::uint32_t kE6CountOffset = 512;
constexpr std::uint32_t kE6FirstTest = 516;
constexpr std::size_t kE6TestSize = field::TEST_FIELDS_END; // 68 bytes

struct E6Test {
    std::uint16_t testId;
    std::uint16_t testArg; // 0 is taken as 1 by the generator
    std::array<std::uint32_t, 3> params;
};

// Ids the generator gives POST_ACTION 2 (3300, D5, B9, 34D6) beside others;
// a host sequence (8012) and a one-digit id (7).
constexpr std::array<E6Test, 8> kE6Tests = {{
    {0x3300, 1, {0, 0xFFFFFFFF, 0}},
    {0xD5, 0, {0x40, 0, 0}},
    {0x3402, 1, {0, 0xFFFFFFFF, 2}},
    {0x8012, 1, {600, 0, 0}},
    {0x07, 2, {3, 0, 0}},
    {0xB9, 1, {0x1291, 0, 0}},
    {0x34D6, 1, {1, 0, 0}},
    {0x240A, 1, {0x19, 0, 0}},
}};

// --- module 1100 -----------------------------------------------------------

constexpr std::size_t kHistoryStart = kRoylDataOffset + 34;
constexpr std::size_t kHistoryEntrySize = 192;

struct HistoryEntry {
    std::uint16_t testId;
    std::uint16_t testArg;
    std::array<std::uint32_t, 4> params;
    std::uint32_t startSeconds; // when the drive started the step (not read)
};

constexpr std::array<HistoryEntry, 10> kHistory = {{
    {0xB1, 0, {0, 0, 0, 0}, 0},
    {0x3307, 1, {0xFFFF, 8, 0x3FF, 0}, 13},
    {0xD8, 1, {0x1000, 0x64, 0, 0}, 5425},
    {0x1010, 1, {0, 0, 0, 0}, 5735},
    {0x3421, 1, {0x2001, 0, 0, 0}, 5747},
    {0x3300, 1, {0, 0xFFFFFFFF, 0, 0}, 7611},
    {0xC4, 1, {0x6F, 0x19, 0, 0}, 14871},
    {0x3402, 1, {0, 0xFFFFFFFF, 2, 0}, 14912},
    {0xBB, 1, {0x10, 0, 0, 0}, 17923},
    {0xB9, 1, {0x1291, 0, 0, 0}, 18311},
}};

// --- ARCO modules ----------------------------------------------------------

constexpr std::size_t kModule47Word = 46;
constexpr std::uint16_t kModule47 = 0x47;
constexpr std::uint16_t kModule21 = 0x21;
constexpr std::uint16_t kModule2403 = 0x2403;

} // namespace

Bytes sampleE6Module()
{
    Bytes b = moduleStart(ModuleLayout::Royl, kE6FirstTest + kE6Tests.size() * kE6TestSize);
    putU32(b, kE6Data, 1); // low byte not 0: the module carries a test list
    putU32(b, kE6Data + 4 + 4 * 71, kE6CountOffset);
    putU32(b, kE6Data + 4 + 4 * 72, kE6FirstTest);
    static_assert(kE6Data + 4 + 4 * 72 < kE6TableEnd);
    putU32(b, kE6CountOffset, static_cast<std::uint32_t>(kE6Tests.size()));
    std::size_t at = kE6FirstTest;
    for (const E6Test& t : kE6Tests) {
        putU16(b, at + field::TEST_ID, t.testId);
        putU16(b, at + field::TEST_ARG, t.testArg);
        for (std::size_t k = 0; k < t.params.size(); ++k)
            putU32(b, at + field::P1 + 4 * k, t.params[k]);
        at += kE6TestSize;
    }
    // Whole sectors leave more than the 24 bytes the copy wants behind the last test.
    return finishSourceModule(std::move(b), 0xE6);
}

Bytes samplePtmHistoryModule()
{
    // The entries, then one with test id 0 that ends the history.
    Bytes b = moduleStart(ModuleLayout::Royl, kHistoryStart + (kHistory.size() + 1) * kHistoryEntrySize);
    std::size_t at = kHistoryStart;
    for (const HistoryEntry& e : kHistory) {
        putU32(b, at, e.startSeconds);
        putU16(b, at + 8, e.testId);
        putU16(b, at + 10, e.testArg);
        for (std::size_t k = 0; k < e.params.size(); ++k)
            putU32(b, at + 12 + 4 * k, e.params[k]);
        at += kHistoryEntrySize;
    }
    return finishSourceModule(std::move(b), 0x1100);
}

Bytes sampleModule47()
{
    Bytes b = moduleStart(ModuleLayout::Royl, kModule47Word + 2);
    putU16(b, kModule47Word, kSampleModule47Word);
    return finishSourceModule(std::move(b), kModule47);
}

Bytes sampleDriveTypeModule()
{
    Bytes b = moduleStart(ModuleLayout::Royl, kRoylDataOffset + 2);
    putU16(b, kRoylDataOffset, kSampleDriveType);
    return finishSourceModule(std::move(b), kModule21);
}

Bytes sampleSeriesAModule()
{
    return finishSourceModule(moduleStart(ModuleLayout::Royl, kRoylDataOffset), kModule2403);
}

const std::vector<ArcoSample>& arcoSamples()
{
    // Codes that colour their steps red (58, 6F, 45, 90) and one teal (21).
    static const std::vector<ArcoSample> samples = {
        {0x2000, 0x58, 0x0000, 0x03FF},
        {0x2020, 0x6F, 0x0400, 0x07FF},
        {0x2030, 0x45, 0x0800, 0x0BFF},
        {0x2050, 0x21, 0x0C00, 0x0FFF},
        {0x20C0, 0x90, 0x1000, 0x13FF},
    };
    return samples;
}

Bytes sampleArcoModule(const ArcoSample& sample)
{
    // The block is P1..P16 of the step it becomes: the code in P1's low
    // byte, then the head mask and the zone range.
    constexpr std::size_t at = kSampleArcoBlockOffset;
    Bytes b = moduleStart(ModuleLayout::Royl, at + 64);
    putU32(b, at, sample.code);
    putU32(b, at + 4, 0x19);
    putU32(b, at + 8, sample.zoneStart);
    putU32(b, at + 12, sample.zoneEnd);
    return finishSourceModule(std::move(b), sample.moduleId);
}

} // namespace pst::examples
