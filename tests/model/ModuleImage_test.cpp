#include "model/ModuleImage.h"

#include "model/Error.h"

#include <gtest/gtest.h>

#include <functional>

using namespace pst;

namespace {

std::string errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Error& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(ModuleImage, ReadsAreLittleEndianAndAdvance)
{
    ModuleImage image(Bytes{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07});
    EXPECT_EQ(ReadU8(image), 0x01u);
    EXPECT_EQ(ReadU16(image), 0x0302u);
    EXPECT_EQ(ReadU32(image), 0x07060504u);
    EXPECT_EQ(image.position(), 7u);
}

TEST(ModuleImage, ExactReadsPastTheEndFailAndLeaveThePosition)
{
    const struct {
        const char* name;
        std::size_t size;
        std::size_t at;
        std::function<void(ModuleImage&)> read;
    } cases[] = {
        {"u8 at the end", 4, 4, [](ModuleImage& i) { ReadU8(i); }},
        {"u16 one byte short", 4, 3, [](ModuleImage& i) { ReadU16(i); }},
        {"u32 one byte short", 4, 1, [](ModuleImage& i) { ReadU32(i); }},
        {"u32 of an empty image", 0, 0, [](ModuleImage& i) { ReadU32(i); }},
        {"position past the end", 4, 100, [](ModuleImage& i) { ReadU8(i); }},
        {"a block one byte short", 8, 2, [](ModuleImage& i) { i.read(7); }},
        {"skip past the end", 8, 2, [](ModuleImage& i) { i.skip(7); }},
    };
    for (const auto& c : cases) {
        ModuleImage image(Bytes(c.size, 0xAB));
        image.seek(c.at);
        EXPECT_EQ(errorOf([&] { c.read(image); }), "Stream read error") << c.name;
        EXPECT_EQ(image.position(), c.at) << c.name;
        EXPECT_EQ(image.size(), c.size) << c.name;
    }
}

TEST(ModuleImage, WritesOverwriteInPlaceAndExtendPastTheEnd)
{
    ModuleImage image(Bytes{1, 2, 3, 4});
    image.seek(1);
    image.writeU16(0xBBAA);
    EXPECT_EQ(image.data(), (Bytes{1, 0xAA, 0xBB, 4}));
    image.seek(3);
    image.writeU32(0x44332211);
    EXPECT_EQ(image.data(), (Bytes{1, 0xAA, 0xBB, 0x11, 0x22, 0x33, 0x44}));
    // A gap between the end and the position fills with zeros.
    image.seek(9);
    image.writeU8(0xEE);
    EXPECT_EQ(image.data(), (Bytes{1, 0xAA, 0xBB, 0x11, 0x22, 0x33, 0x44, 0, 0, 0xEE}));
    EXPECT_EQ(image.position(), 10u);
}

TEST(ModuleImage, RelativeSeeksStopAtTheStart)
{
    ModuleImage image(Bytes(8, 0));
    image.seek(5);
    image.seekRelative(-2);
    EXPECT_EQ(image.position(), 3u);
    image.seekRelative(-10);
    EXPECT_EQ(image.position(), 0u);
    image.seekRelative(6);
    EXPECT_EQ(image.position(), 6u);
}
