#include <gtest/gtest.h>

#include "core/Rounding.h"

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(gw::roundHalfEven(2.5), 2);
    EXPECT_EQ(gw::roundHalfEven(3.5), 4);
    EXPECT_EQ(gw::roundHalfEven(0.5), 0);
    EXPECT_EQ(gw::roundHalfEven(-2.5), -2);
    EXPECT_EQ(gw::roundHalfEven(-3.5), -4);
}

TEST(RoundHalfEven, OtherFractionsGoToTheNearest)
{
    EXPECT_EQ(gw::roundHalfEven(2.4999), 2);
    EXPECT_EQ(gw::roundHalfEven(2.5001), 3);
    EXPECT_EQ(gw::roundHalfEven(-0.6), -1);
    EXPECT_EQ(gw::roundHalfEven(7.0), 7);
}
