#include "model/FormatDuration.h"

#include <gtest/gtest.h>

TEST(FormatDuration, DaysAppearOnlyAboveTwentyFourHours)
{
    const struct {
        std::uint32_t seconds;
        const char* text;
    } cases[] = {
        {0, "00:00:00"},           {3723, "01:02:03"},         {86399, "23:59:59"},
        {86400, "24:00:00"},       {89999, "24:59:59"},        {90000, "1:01:00:00"},
        {172800, "2:00:00:00"},    {4294967295u, "49710:06:28:15"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pst::FormatDuration(c.seconds), c.text) << c.seconds;
}
