#include "model/ModuleLayout.h"

#include "model/Error.h"
#include "model/ModuleImage.h"

#include <gtest/gtest.h>

using namespace pst;

TEST(ModuleLayout, TheMagicDecidesThenTheMarker)
{
    const struct {
        const char* name;
        Bytes bytes;
        const char* layout; // nullptr: the image is too short
    } cases[] = {
        {"ROYL", {'R', 'O', 'Y', 'L', 0, 0, 0, 0}, "royl"},
        {"ROYL with the legacy-32 marker", {'R', 'O', 'Y', 'L', 0, 0, '3', '0'}, "royl"},
        {"ROYL alone", {'R', 'O', 'Y', 'L'}, "royl"},
        {"legacy-32 marker", {'M', 'O', 'D', 0, 0, 0, '3', '0'}, "legacy32"},
        {"marker reversed", {'M', 'O', 'D', 0, 0, 0, '0', '3'}, "legacy28"},
        {"lower-case magic", {'r', 'o', 'y', 'l', 0, 0, 0, 0}, "legacy28"},
        {"legacy without room for the marker", {'M', 'O', 'D', 0, 0, 0, '3'}, nullptr},
        {"under four bytes", {'R', 'O', 'Y'}, nullptr},
    };
    for (const auto& c : cases) {
        const ModuleImage image(c.bytes);
        if (c.layout) {
            EXPECT_EQ(layoutName(RecogniseLayout(image)), c.layout) << c.name;
        } else {
            EXPECT_THROW(RecogniseLayout(image), Error) << c.name;
        }
    }
}

TEST(ModuleLayout, FieldPlacesOfEachLayout)
{
    const struct {
        ModuleLayout layout;
        std::size_t checksum, moduleId, header, firstRecord, errorCode;
        std::uint16_t recordSize;
    } cases[] = {
        {ModuleLayout::Royl, 12, 8, 48, 56, 0x68, 136},
        {ModuleLayout::Legacy32, 3, 4, 24, 32, 0x68, 116},
        {ModuleLayout::Legacy28, 3, 4, 24, 28, 0x54, 116},
    };
    for (const auto& c : cases) {
        const LayoutInfo& info = layoutInfo(c.layout);
        EXPECT_EQ(info.checksumOffset, c.checksum) << layoutName(c.layout);
        EXPECT_EQ(info.moduleIdOffset, c.moduleId) << layoutName(c.layout);
        EXPECT_EQ(info.headerOffset, c.header) << layoutName(c.layout);
        EXPECT_EQ(info.firstRecordOffset, c.firstRecord) << layoutName(c.layout);
        EXPECT_EQ(info.errorCodeOffset, c.errorCode) << layoutName(c.layout);
        EXPECT_EQ(info.defaultRecordSize, c.recordSize) << layoutName(c.layout);
    }
}
