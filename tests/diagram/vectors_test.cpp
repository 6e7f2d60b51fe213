// Where a pointer move acts: inside the circle, and on a spot.
#include "diagram/vectors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Pointer, ThePointOnTheCircleIsInsideAndOneBeyondItIsNot)
{
    const float radius = 2269.0908f;
    EXPECT_TRUE(insideCircle(-radius, 0, radius));
    EXPECT_TRUE(insideCircle(0, radius, radius));
    EXPECT_FALSE(insideCircle(std::nextafter(-radius, -1e9f), 0, radius));
    EXPECT_FALSE(insideCircle(std::numeric_limits<float>::quiet_NaN(), 0, radius));
}

TEST(Pointer, ASpotIsGrabbedOnlyStrictlyWithinHalfItsWidth)
{
    EXPECT_TRUE(farFromSpot(-1000 + 126, -1000, -1000, -1000, 252));
    EXPECT_TRUE(farFromSpot(-1000, -1000 - 126, -1000, -1000, 252));
    EXPECT_FALSE(farFromSpot(-1000 + 125.5f, -1000, -1000, -1000, 252));
}
