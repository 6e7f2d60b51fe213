#include "diagram/heading.h"
#include "numbers/runtime_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

const float Pi = static_cast<float>(4.0 * std::atan(1.0));
constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();
constexpr float infinity = std::numeric_limits<float>::infinity();

// No pair of single-precision offsets gives A of exactly 44.5 or 45.5 (an
// exhaustive search over every ratio of two floats misses both by ten units
// in the last place at best); these two pairs give exactly 30.5 and 27.5.
constexpr float x30 = 7490656, y30 = -12716610;
constexpr float x27 = 6003232, y27 = -11532101;

// The heading of an offset, starting from a given one.
template <class Heading = std::int16_t>
Heading heading(float x, float y, Heading before = -1)
{
    float Dx = 0, Dy = 0;
    HeadingFromOffset(x, y, before, Dx, Dy, Pi);
    return before;
}

double angleA(float x, float y) { return -std::atan(static_cast<double>(x) / y) * 180.0 / static_cast<double>(Pi); }

} // namespace

TEST(HeadingFromOffset, CompassPointsAndEitherSideOfNorth)
{
    EXPECT_EQ(heading(0, -500), 0);
    EXPECT_EQ(heading(500, 0), 90);
    EXPECT_EQ(heading(0, 500), 180);
    EXPECT_EQ(heading(-500, 0), 270);
    EXPECT_EQ(heading(-500, -500), 315);
    EXPECT_EQ(heading(-500, 500), 225);
    // 1 in 1000 is 0.057 degrees off north; 10.5 in 1000 is 0.6.
    EXPECT_EQ(heading(-1, -1000), 360);
    EXPECT_EQ(heading(1, -1000), 0);
    EXPECT_EQ(heading(-10.5f, -1000), 359);
    EXPECT_EQ(heading(10.5f, -1000), 1);
}

TEST(HeadingFromOffset, HalfDegreesGoToTheEvenNeighbourBeforeTheTurnIsAdded)
{
    ASSERT_EQ(angleA(x30, y30), 30.5);
    ASSERT_EQ(angleA(x27, y27), 27.5);
    EXPECT_EQ(heading(x30, y30), 30);    // north-east: A itself
    EXPECT_EQ(heading(-x30, -y30), 210); // south-west: A + 180
    EXPECT_EQ(heading(-x30, y30), 330);  // north-west: -30.5 gives -30, + 360
    EXPECT_EQ(heading(x27, y27), 28);
    EXPECT_EQ(heading(-x27, y27), 332);
}

TEST(HeadingFromOffset, NullVectorsKeepTheHeadingAndNegativeZeroCountsAsZero)
{
    for (const float x : {0.0f, -0.0f})
        for (const float y : {0.0f, -0.0f})
            EXPECT_EQ(heading(x, y, std::int16_t {123}), 123) << x << ", " << y;
    EXPECT_EQ(heading(500, -0.0f), 90);
    EXPECT_EQ(heading(-0.0f, 500), 180);
}

TEST(HeadingFromOffset, NonFiniteOffsetOverflowsAndKeepsTheHeading)
{
    for (const auto& [x, y] : {std::pair {notANumber, 10.0f}, std::pair {10.0f, notANumber},
                               std::pair {infinity, -infinity}}) {
        std::int16_t h = 77;
        float Dx = 0, Dy = 0;
        try {
            HeadingFromOffset(x, y, h, Dx, Dy, Pi);
            ADD_FAILURE() << "no error for " << x << ", " << y;
        } catch (const numbers::RuntimeError& error) {
            EXPECT_EQ(error.kind(), numbers::ErrorKind::Overflow);
        }
        EXPECT_EQ(h, 77);
    }
    EXPECT_EQ(heading(infinity, -10), 90); // one infinite axis still has a direction
}

TEST(HeadingFromOffsetUnrounded, KeepsTheFractionUnderTheSameRule)
{
    EXPECT_EQ(heading<float>(500, 0), 90.0f);
    EXPECT_EQ(heading<float>(0, 500), 180.0f);
    EXPECT_EQ(heading<float>(x30, y30), 30.5f);
    EXPECT_EQ(heading<float>(-x30, y30), 329.5f);
    EXPECT_NEAR(heading<float>(-1, -1000), 359.9427f, 1e-4);
    EXPECT_NEAR(heading<float>(1, -1000), 0.0573f, 1e-4);
    EXPECT_EQ(heading<float>(-0.0f, 0.0f, 12.5f), 12.5f);
}
