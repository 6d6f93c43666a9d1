#include "WindowPlacement.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowPlacement, CentresAcrossAndSitsOneCaptionAboveTheMiddle)
{
    EXPECT_EQ(WindowPlacement(1920, 1080, 806, 629, 23), QPoint(557, 202));
    EXPECT_EQ(WindowPlacement(1024, 768, 800, 600, 0), QPoint(112, 84));
    // Odd remainders are dropped toward zero, and a small screen gives
    // negative places that are used as they are.
    EXPECT_EQ(WindowPlacement(801, 601, 800, 600, 0), QPoint(0, 0));
    EXPECT_EQ(WindowPlacement(640, 480, 806, 629, 23), QPoint(-83, -97));
}

} // namespace
