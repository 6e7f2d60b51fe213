// The keyboard's steps on a vector, read back as its readout shows it.
#include "diagram/heading.h"
#include "diagram/readouts.h"
#include "diagram/spot_steps.h"
#include "diagram/vectors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

using namespace spot_steps;

namespace {

const float Pi = static_cast<float>(4.0 * std::atan(1.0));
const float Radius = 4992 / 2.2f;
const numbers::NumberLocale comma{QStringLiteral(",")};

// A vector as the tool holds it: its offset, and the heading its readout
// shows, which the heading rule keeps when the offset has none.
struct Held {
    Offset offset;
    std::int16_t heading;
};

struct Row {
    const char* what;
    std::int16_t scale;
    Shown start;
    std::vector<std::pair<int, Step>> keys; // how many times, which step
    const char* shows;
};

TEST(SpotSteps, EachStepShowsExactlyTheSteppedValues)
{
    const std::vector<Row> rows{
        {"the default boat sped up 5 times", 10, {71, 315}, {{5, Step::Faster}}, "7,6n  315°"},
        {"then turned 10 times", 10, {71, 315}, {{5, Step::Faster}, {10, Step::Clockwise}}, "7,6n  325°"},
        {"turned much both ways", 10, {23, 70}, {{3, Step::MuchClockwise}, {1, Step::MuchAnticlockwise}}, "2,3n  90°"},
        {"slowed much", 10, {76, 325}, {{2, Step::MuchSlower}}, "5,6n  325°"},
        {"359 turned clockwise", 10, {50, 359}, {{1, Step::Clockwise}}, "5,0n  0°"},
        {"0 turned anticlockwise", 10, {50, 0}, {{1, Step::Anticlockwise}}, "5,0n  359°"},
        {"360 shown, turned clockwise", 10, {50, 360}, {{1, Step::Clockwise}}, "5,0n  1°"},
        {"355 turned much clockwise", 15, {120, 355}, {{1, Step::MuchClockwise}}, "12,0n  5°"},
        {"due east, south and west", 5, {49, 89}, {{1, Step::Clockwise}}, "4,9n  90°"},
        {"due south", 5, {49, 179}, {{1, Step::Clockwise}}, "4,9n  180°"},
        {"due west", 20, {1, 271}, {{1, Step::Anticlockwise}}, "0,1n  270°"},
        {"slowed to 0", 10, {2, 123}, {{3, Step::Slower}}, "0,0n  123°"},
        {"0 knots keep their heading", 10, {1, 123}, {{1, Step::MuchSlower}, {1, Step::Faster}}, "0,1n  123°"},
        {"turned at 0 knots", 10, {0, 123}, {{2, Step::Clockwise}}, "0,0n  125°"},
        {"never faster than the outer ring", 10, {95, 45}, {{1, Step::MuchFaster}, {3, Step::Faster}}, "10,0n  45°"},
        {"the outer ring at 5 knots", 5, {49, 200}, {{1, Step::MuchFaster}}, "5,0n  200°"},
        {"the outer ring at 20 knots", 20, {199, 300}, {{2, Step::Faster}}, "20,0n  300°"},
        {"turned on the outer ring", 20, {200, 300}, {{7, Step::MuchAnticlockwise}}, "20,0n  230°"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const float perKnot = Radius / row.scale;
        Held held{offsetShowing(row.start, perKnot, Radius, Pi), row.start.heading};
        for (const auto& [times, step] : row.keys)
            for (int i = 0; i < times; ++i) {
                const Shown now{shownTenths(held.offset.x, held.offset.y, perKnot), held.heading};
                held.offset = offsetShowing(stepped(now, step, row.scale), perKnot, Radius, Pi);
                float Dx = 0, Dy = 0;
                HeadingFromOffset(held.offset.x, held.offset.y, held.heading, Dx, Dy, Pi);
            }
        EXPECT_EQ(readouts::vectorText(readouts::speedText(held.offset.x, held.offset.y, perKnot, comma), held.heading),
                  QString::fromUtf8(row.shows));
        EXPECT_TRUE(insideCircle(held.offset.x, held.offset.y, Radius)) << "where the pointer cannot reach";
    }
}

// Every speed and heading a key can give, on every scale, reads back exactly.
TEST(SpotSteps, EveryReachableValueReadsBackExactly)
{
    for (std::int16_t scale : {5, 10, 15, 20}) {
        const float perKnot = Radius / scale;
        for (int tenths = 0; tenths <= scale * 10; ++tenths)
            for (std::int16_t heading = 0; heading < 360; ++heading) {
                const Offset offset = offsetShowing({tenths, heading}, perKnot, Radius, Pi);
                std::int16_t readBack = -1;
                float Dx = 0, Dy = 0;
                HeadingFromOffset(offset.x, offset.y, readBack, Dx, Dy, Pi);
                ASSERT_EQ((Shown{shownTenths(offset.x, offset.y, perKnot), readBack}), (Shown{tenths, heading}))
                    << scale << " knots";
                ASSERT_TRUE(insideCircle(offset.x, offset.y, Radius)) << tenths << " tenths at " << heading;
            }
    }
}

TEST(SpotSteps, TheWindTurnsAtItsDistanceAndAKeyForSpeedLeavesIt)
{
    const Offset turned = windTurned(-10, 10, 225, Step::Clockwise, Pi);
    EXPECT_NEAR(std::hypot(turned.x, turned.y), std::hypot(10.0, 10.0), 1e-5);
    std::int16_t windDir = -1;
    float Dx = 0, Dy = 0;
    HeadingFromOffset(turned.x, turned.y, windDir, Dx, Dy, Pi);
    EXPECT_EQ(windDir, 226);
    const Offset fromCentre = windTurned(0, 0, 359, Step::Clockwise, Pi);
    HeadingFromOffset(fromCentre.x, fromCentre.y, windDir, Dx, Dy, Pi);
    EXPECT_EQ(windDir, 0);
    EXPECT_EQ(spot_steps::turned(225, Step::MuchFaster), 225);
}

} // namespace
