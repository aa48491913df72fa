#include "model/ScriptCheck.h"

#include "model/Checksum.h"
#include "model/LinkTarget.h"
#include "model/ModuleImage.h"
#include "model/StepList.h"
#include "support/ModuleBuilder.h"

#include <gtest/gtest.h>

using namespace pst;
using namespace pst::test;

TEST(ScriptCheck, ReportsLinksPastTheEndInFieldOrder)
{
    StepList steps;
    const std::uint16_t links[][3] = {{0, 0xFFFF, 3}, {4, 1, 0x8000}, {2, 2, 0xFFFE}};
    for (const auto& l : links) {
        StepRow row;
        row.record = StepRecord(136);
        for (int i = 0; i < 3; ++i)
            row.record.setLink(i, l[i]);
        steps.insert(steps.size(), row);
    }
    EXPECT_EQ(linkFindings(steps), (std::vector<std::string>{
                                       "step 2: GOTO_ON_SUCCES = 4 points past the end (3 steps)",
                                       "step 2: GOTO_ON_ABRT = 32768 points past the end (3 steps)",
                                       "step 3: GOTO_ON_ABRT = 65534 points past the end (3 steps)",
                                   }));
    // The step list's warning mark: on exactly the rows the check reports.
    for (int row = 0; row < steps.size(); ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(hasLinkOutsideScript(steps.row(row).record, steps), !rowLinkFindings(steps, row).empty());
    }
    EXPECT_EQ(rowLinkFindings(steps, 0), std::vector<std::string>{});
    EXPECT_EQ(rowLinkFindings(steps, 2),
              std::vector<std::string>{"step 3: GOTO_ON_ABRT = 65534 points past the end (3 steps)"});
}

TEST(ScriptCheck, ReportsABrokenChecksumWithTheLayout)
{
    EXPECT_TRUE(checksumFindings(ModuleImage(), ModuleLayout::Royl).empty());
    for (ModuleLayout layout : {ModuleLayout::Royl, ModuleLayout::Legacy32, ModuleLayout::Legacy28}) {
        Bytes bytes = ModuleBuilder(layout).step(0x10).build();
        EXPECT_TRUE(checksumFindings(ModuleImage(bytes), layout).empty());
        bytes.back() ^= 1;
        EXPECT_EQ(checksumFindings(ModuleImage(bytes), layout),
                  std::vector<std::string>{"checksum: invalid for layout " + std::string(layoutName(layout))});
    }
}
