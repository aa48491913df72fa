#include "model/TemplateModule.h"

#include "catalogs/IniFile.h"
#include "model/Checksum.h"
#include "model/ModuleImage.h"
#include "model/ScriptParser.h"

#include <gtest/gtest.h>

using namespace pst;

TEST(TemplateModule, IsAnEmptyModule28WithRoomFor256Steps)
{
    const Bytes bytes = BuildTemplateModule();
    ASSERT_EQ(bytes.size(), 34872u);
    EXPECT_EQ(getU32(bytes, 0), kRoylMagic);
    EXPECT_EQ(getU16(bytes, 8), 0x0028);
    EXPECT_EQ(getU16(bytes, 48), 1);
    EXPECT_EQ(getU16(bytes, 50), 136);
    EXPECT_TRUE(ChecksumValid(ModuleImage(bytes)));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const bool field = i < 4 || i == 8 || (i >= 12 && i < 16) || i == 48 || i == 50;
        if (!field) {
            ASSERT_EQ(bytes[i], 0) << "offset " << i;
        }
    }

    const ParsedScript parsed = parseScriptImage(ModuleImage(bytes), IniFile());
    EXPECT_EQ(parsed.layout, ModuleLayout::Royl);
    EXPECT_EQ(parsed.recordSize, 136);
    EXPECT_EQ(parsed.maxStepCount, 256);
    EXPECT_TRUE(parsed.rows.empty());
}
