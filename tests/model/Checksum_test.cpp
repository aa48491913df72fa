#include "model/Checksum.h"
#include "model/Error.h"
#include "model/ModuleImage.h"
#include "model/ModuleLayout.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace pst;

namespace {

Bytes pattern(std::size_t size, std::uint8_t seed)
{
    Bytes b(size);
    for (std::size_t i = 0; i < size; ++i)
        b[i] = static_cast<std::uint8_t>(seed + i * 37);
    return b;
}

Bytes roylPattern(std::size_t size)
{
    Bytes b = pattern(size, 3);
    putU32(b, 0, kRoylMagic);
    return b;
}

std::uint32_t wordSum(ByteView b)
{
    std::uint32_t s = 0;
    for (std::size_t i = 0; i + 4 <= b.size(); i += 4)
        s += getU32(b, i);
    return s;
}

std::uint8_t byteSum(ByteView b)
{
    return static_cast<std::uint8_t>(std::accumulate(b.begin(), b.end(), 0u));
}

struct CountingPump : MessagePump {
    int calls = 0;
    void pumpMessages() override { ++calls; }
};

} // namespace

class RoylChecksum : public ::testing::TestWithParam<std::size_t> {};

TEST_P(RoylChecksum, MakesTheWordSumZeroAndIgnoresTrailingBytes)
{
    ModuleImage image(roylPattern(GetParam()));
    const Bytes before = image.data();
    FixChecksum(image);
    EXPECT_EQ(wordSum(image.bytes()), 0u);
    EXPECT_EQ(image.position(), 0u);
    // Only the checksum word changes; trailing bytes past the last whole word stay.
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (i < 12 || i >= 16) {
            ASSERT_EQ(image.data()[i], before[i]) << "byte " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, RoylChecksum, ::testing::Values(16u, 56u, 57u, 58u, 59u, 1000u, 4097u));

TEST(Checksum, LegacyMakesTheByteSumZero)
{
    for (std::size_t size : {4u, 5u, 33u, 1001u}) {
        ModuleImage image(pattern(size, 9));
        image.mutableBytes()[0] = 'X';
        FixChecksum(image);
        EXPECT_EQ(byteSum(image.bytes()), 0) << size;
        EXPECT_TRUE(ChecksumValid(image));
    }
}

TEST(Checksum, RoylMagicWinsOverTheLegacyMarker)
{
    Bytes b = roylPattern(64);
    putU16(b, 6, kLegacy32Marker);
    ModuleImage image(b);
    FixChecksum(image);
    EXPECT_EQ(wordSum(image.bytes()), 0u);
    EXPECT_EQ(image.data()[3], 'L'); // the legacy checksum byte was not touched
}

TEST(Checksum, ShortImagesFailWithStreamReadError)
{
    ModuleImage image(Bytes{1, 2, 3});
    try {
        FixChecksum(image);
        FAIL() << "expected an error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Stream read error");
    }
    EXPECT_EQ(image.size(), 3u);
}

TEST(Checksum, SetModuleIdPlacesTheIdByLayout)
{
    ModuleImage legacy(pattern(100, 1));
    legacy.mutableBytes()[0] = 'X';
    SetModuleId(legacy, 0x13B);
    EXPECT_EQ(legacy.data()[4], 0x3B);
    EXPECT_EQ(byteSum(legacy.bytes()), 0);

    ModuleImage royl(roylPattern(100));
    SetModuleId(royl, 0x13B);
    EXPECT_EQ(getU16(royl.bytes(), 8), 0x13B);
    EXPECT_EQ(wordSum(royl.bytes()), 0u);
}

TEST(Checksum, PumpsWhileSummingALargeImageButNotPerWord)
{
    ModuleImage image(roylPattern(16u << 20));
    CountingPump pump;
    FixChecksum(image, &pump);
    EXPECT_EQ(wordSum(image.bytes()), 0u);
    EXPECT_LT(pump.calls, 4 * 1024 * 1024 / 1000);
}
