#include "diagram/bearing.h"
#include "diagram/heading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <utility>
#include <vector>

namespace {

const float Pi = static_cast<float>(4.0 * std::atan(1.0));
constexpr float CenterX = 2436, CenterY = 2526, Radius = 2269.0908f;

std::int16_t windDirOf(float windX, float windY, std::int16_t previous = 0)
{
    float Dx = 0, Dy = 0;
    HeadingFromOffset(windX, windY, previous, Dx, Dy, Pi);
    return previous;
}

// The folds as first designed: the side of the north-south axis the wind
// point lies on says which way a difference above 180 goes back, and a wind
// point on the axis is not folded at all.
int sidedFold(float windX, int windDir, int heading)
{
    const int difference = std::abs(windDir - heading);
    if (windX > 0 && difference > 180)
        return std::abs(windDir - heading + 360);
    if (windX < 0 && difference > 180)
        return std::abs(windDir - heading - 360);
    return difference;
}

} // namespace

TEST(WindAngle, AgreesWithTheSidedFoldsOffTheNorthSouthAxis)
{
    // Wind points every tenth of a degree round the rose, plus some a
    // hair's breadth either side of north and south, where the rounded
    // direction sits at 0, 360 or 180 with the sign of X still telling.
    std::vector<std::pair<float, float>> points = {{0.001f, -1000}, {-0.001f, -1000}, {1, -1000}, {-1, -1000},
                                                   {0.001f, 1000},  {-0.001f, 1000},  {1, 1000},  {-1, 1000}};
    for (int tenth = 0; tenth < 3600; ++tenth) {
        const double bearing = tenth / 10.0 * std::numbers::pi / 180;
        points.emplace_back(static_cast<float>(1000 * std::sin(bearing)), static_cast<float>(-1000 * std::cos(bearing)));
    }

    int foldedEast = 0, foldedWest = 0;
    for (const auto& [windX, windY] : points) {
        if (windX == 0)
            continue;
        const std::int16_t windDir = windDirOf(windX, windY);
        for (std::int16_t heading = 0; heading <= 360; ++heading) {
            const int expected = sidedFold(windX, windDir, heading);
            ASSERT_EQ(angleBetween(windDir, heading), expected) << "wind " << windDir << " heading " << heading;
            ASSERT_EQ(angleBetween(heading, windDir), expected) << "heading " << heading << " wind " << windDir;
            if (std::abs(windDir - heading) > 180)
                ++(windX > 0 ? foldedEast : foldedWest);
        }
    }
    EXPECT_GT(foldedEast, 0);
    EXPECT_GT(foldedWest, 0);
}

TEST(WindAngle, WindOnTheNorthSouthAxisFoldsToo)
{
    const std::int16_t north = windDirOf(0, -500);
    ASSERT_EQ(north, 0);
    EXPECT_EQ(angleBetween(north, 350), 10);
    EXPECT_EQ(angleBetween(350, north), 10);
    EXPECT_EQ(angleBetween(north, 181), 179);
    EXPECT_EQ(angleBetween(north, 180), 180);
    EXPECT_EQ(angleBetween(north, 360), 0);

    const std::int16_t south = windDirOf(0, 500);
    ASSERT_EQ(south, 180);
    EXPECT_EQ(angleBetween(south, 350), 170);
    EXPECT_EQ(angleBetween(south, 0), 180);

    // On the centre itself the direction stays what it was, west of north
    // here, and is folded all the same.
    const std::int16_t kept = windDirOf(0, 0, 350);
    ASSERT_EQ(kept, 350);
    EXPECT_EQ(angleBetween(kept, 10), 20);
    EXPECT_EQ(angleBetween(10, kept), 20);
}

TEST(WindLine, TheTagStandsBesideTheTipOfTheLine)
{
    // Only the sine at 0 is exactly zero; at 90, 180, 270 and 360 a tiny
    // sine or cosine puts the tag wholly on one side.
    struct Case {
        int windDir;
        double leftShare, topShare; // of the tag's width and height, from the tip
    };
    for (const Case& c : {Case{0, -0.5, -1}, Case{90, 0, 0}, Case{180, -1, 0}, Case{270, -1, -1}, Case{360, 0, -1}}) {
        SCOPED_TRACE(c.windDir);
        const Bearing wind = bearingOf(c.windDir, Pi);
        const BearingEnd tip = endOfBearing(CenterX, CenterY, wind, Radius);
        const double radians = c.windDir * std::numbers::pi / 180;
        EXPECT_NEAR(tip.x, CenterX + Radius * std::sin(radians), 0.01);
        EXPECT_NEAR(tip.y, CenterY - Radius * std::cos(radians), 0.01);
        EXPECT_NEAR(windTagLeft(tip.x, wind, 432), tip.x + c.leftShare * 432, 0.01);
        EXPECT_NEAR(windTagTop(tip.y, wind, 252), tip.y + c.topShare * 252, 0.01);
    }
}

TEST(Vmg, IsWorkedInDoublePrecisionAndStoredAsASingle)
{
    const float groundSpeed = 7.3f;
    for (std::int16_t angle = 0; angle <= 180; ++angle)
        EXPECT_EQ(vmgTowardsWind(groundSpeed, angle, Pi),
                  static_cast<float>(groundSpeed * std::cos(static_cast<double>(Pi) * angle / 180)))
            << "at " << angle;
    EXPECT_LT(vmgTowardsWind(groundSpeed, 120, Pi), 0);
}
