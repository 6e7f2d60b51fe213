#include "support/platform_pointer.h"
#include "support/started_tool.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

// Whatever position a move carries, the diagram stays whole: every vector
// finite, the boat and the current inside the circle, each spot where its
// vector says, and no readout showing a number that is not one.

namespace {
double squared(double value) { return value * value; }

void expectWholeDiagram(StartedTool& tool, const std::string& after)
{
    const DiagramState& s = tool.state();
    Form1& form = tool.form();
    for (float value : {s.BoatX, s.BoatY, s.CurrentX, s.CurrentY, s.GroundX, s.GroundY, s.WindX, s.WindY})
        ASSERT_TRUE(std::isfinite(value)) << after;
    EXPECT_LE(squared(s.BoatX) + squared(s.BoatY), squared(s.Radius)) << after;
    EXPECT_LE(squared(s.CurrentX) + squared(s.CurrentY), squared(s.Radius)) << after;
    EXPECT_LE(squared(s.WindX) + squared(s.WindY), squared(s.Radius)) << after;

    const auto expectOn = [&](const toolkit::Shape& spot, float x, float y) {
        EXPECT_NEAR(spot.left() + spot.width() / 2, s.CenterX + x, 0.01) << after;
        EXPECT_NEAR(spot.top() + spot.width() / 2, s.CenterY + y, 0.01) << after;
    };
    expectOn(form.Vb, s.BoatX, s.BoatY);
    expectOn(form.Vc, s.CurrentX, s.CurrentY);
    expectOn(form.Vf, s.GroundX, s.GroundY);

    for (const toolkit::Label* readout : {&form.Sail, &form.COG, &form.Flow, &form.Vent, &form.VMG}) {
        EXPECT_FALSE(readout->caption().contains(QStringLiteral("nan"), Qt::CaseInsensitive)) << after;
        EXPECT_FALSE(readout->caption().contains(QStringLiteral("inf"), Qt::CaseInsensitive)) << after;
    }
}

std::string describe(double x, double y) { return "move to (" + std::to_string(x) + ", " + std::to_string(y) + ")"; }
} // namespace

TEST(PointerBadInput, PositionsNoPointerCanHaveChangeNothing)
{
    StartedTool tool;
    DiagramState& s = tool.state();
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float huge = std::numeric_limits<float>::max();
    const float odd[][2] = {{nan, 2526}, {2436, nan}, {nan, nan}, {inf, 2526}, {-inf, -inf},
                            {huge, huge}, {-huge, 2526}, {2436, -huge}, {1e30f, -1e30f}};

    const auto before = [&] { return std::tuple(s.BoatX, s.BoatY, s.CurrentX, s.CurrentY, s.WindX, s.WindY); };
    const auto untouched = before();
    for (const auto& at : odd) {
        for (std::int16_t button : {0, 1}) {
            tool.form().form_MouseMove(button, 0, at[0], at[1]);
            EXPECT_EQ(before(), untouched) << describe(at[0], at[1]) << " button " << button;
        }
    }
    expectWholeDiagram(tool, "odd positions");
}

TEST(PointerBadInput, FarOutsideTheWindowDuringADragLeavesTheDiagramWhole)
{
    StartedTool tool;
    DiagramState& s = tool.state();
    PlatformPointer mouse(tool.form());

    // Hold the boat, then let the pointer fly off in every direction and
    // come back on the boat, where the drag carries on.
    const double boatX = PlatformPointer::onPixel(s.CenterX + s.BoatX);
    const double boatY = PlatformPointer::onPixel(s.CenterY + s.BoatY);
    mouse.moveTo(boatX, boatY);
    mouse.press(Qt::LeftButton);
    for (double far : {1e4, 1e6, 3e8}) {
        for (const auto& [x, y] : {std::pair{-far, -far}, {far, boatY}, {boatX, far}, {-far, far}}) {
            mouse.moveTo(x, y);
            expectWholeDiagram(tool, describe(x, y));
        }
    }
    mouse.moveTo(boatX + 45, boatY);
    EXPECT_NEAR(s.CenterX + s.BoatX, boatX + 45, 0.01);
}

TEST(PointerBadInput, FractionalPositionsFromADenseScreenKeepTheDiagramWhole)
{
    StartedTool tool;
    DiagramState& s = tool.state();
    PlatformPointer mouse(tool.form());

    // A wandering drag in fractions of a logical pixel, as a screen with two
    // or three device pixels to each one delivers, stepping now and then
    // well past a spot's reach and out of the circle.
    std::mt19937 random(20240607);
    std::uniform_real_distribution<double> step(-90, 90);
    std::bernoulli_distribution leap(0.05);
    double x = s.CenterX + s.BoatX, y = s.CenterY + s.BoatY;
    mouse.moveTo(x, y);
    mouse.press(Qt::LeftButton);
    for (int move = 0; move < 400; ++move) {
        const double scale = leap(random) ? 20 : 1;
        x = std::clamp(x + scale * step(random), -2000.0, 9000.0);
        y = std::clamp(y + scale * step(random), -2000.0, 9000.0);
        mouse.moveTo(x, y);
        expectWholeDiagram(tool, describe(x, y));
        if (HasFatalFailure())
            return;
    }
}
