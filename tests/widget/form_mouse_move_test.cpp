#include "support/platform_pointer.h"
#include "support/started_tool.h"

#include <gtest/gtest.h>

#include <cmath>

// The pointer handler's rules, judged one move at a time. Exact boundary
// positions go to form_MouseMove directly; drags go through Qt's own event
// delivery as a real mouse's do.

namespace {
constexpr float HalfSpot = 126; // half the 252-twip width of the spots

double squared(double value) { return value * value; }

struct Vectors {
    float boatX, boatY, currentX, currentY, windX, windY;
    bool operator==(const Vectors&) const = default;
};

Vectors vectorsOf(const DiagramState& s) { return {s.BoatX, s.BoatY, s.CurrentX, s.CurrentY, s.WindX, s.WindY}; }

// The centre of a spot's box, in window twips.
float centreX(const toolkit::Shape& spot) { return spot.left() + spot.width() / 2; }
float centreY(const toolkit::Shape& spot) { return spot.top() + spot.width() / 2; }
} // namespace

TEST(FormMouseMove, SmallStepsCarryTheBoatAndTheTriangleFollows)
{
    StartedTool tool;
    DiagramState& s = tool.state();
    Form1& form = tool.form();
    ASSERT_EQ(form.Sail.caption(), QStringLiteral("7,1n  315°"));
    const QString flow = form.Flow.caption();
    const float groundLeft = form.Vf.left();
    const float groundLineEnd = form.Lf.x2();

    const double startX = PlatformPointer::onPixel(s.CenterX + s.BoatX);
    const double startY = PlatformPointer::onPixel(s.CenterY + s.BoatY);
    const double carried = startX + 720 - (s.CenterX + s.BoatX);
    PlatformPointer mouse(form);
    mouse.moveTo(startX, startY);
    mouse.press(Qt::LeftButton);
    for (int step = 1; step <= 6; ++step) {
        mouse.moveTo(startX + 120 * step, startY);
        ASSERT_NEAR(s.BoatX, startX + 120 * step - s.CenterX, 0.01) << "lost the boat at step " << step;
        EXPECT_FLOAT_EQ(centreX(form.Vb), s.CenterX + s.BoatX);
        EXPECT_FLOAT_EQ(centreY(form.Vb), s.CenterY + s.BoatY);
    }
    mouse.release(Qt::LeftButton);

    // Boat (-411, -1131) and ground (42.8, -1584.8) at 226.9 twips a knot.
    EXPECT_EQ(form.Sail.caption(), QStringLiteral("5,3n  340°"));
    EXPECT_EQ(form.COG.caption(), QStringLiteral("7,0n  2°"));
    EXPECT_EQ(form.Flow.caption(), flow);
    EXPECT_NEAR(form.Vf.left(), groundLeft + carried, 0.01);
    EXPECT_NEAR(form.Lf.x2(), groundLineEnd + carried, 0.01);
}

TEST(FormMouseMove, AJumpWiderThanHalfASpotLeavesTheSpotAndSetsTheWind)
{
    StartedTool tool;
    DiagramState& s = tool.state();
    const float boatX = s.BoatX, boatY = s.BoatY;

    tool.moveFromCentre(boatX + 130, boatY);
    EXPECT_EQ(s.BoatX, boatX);
    EXPECT_EQ(s.WindX, boatX + 130);
    EXPECT_EQ(s.WindY, boatY);

    // The spot stayed put, so a pointer back over it picks it up again.
    tool.moveFromCentre(boatX + 20, boatY);
    EXPECT_EQ(s.BoatX, boatX + 20);
    EXPECT_EQ(s.WindX, boatX + 130);
}

TEST(FormMouseMove, WhereBoatAndCurrentOverlapTheBoatMoves)
{
    StartedTool tool;
    DiagramState& s = tool.state();
    s.CurrentX = s.BoatX;
    s.CurrentY = s.BoatY;
    tool.form().Calcul();
    const float spotX = s.BoatX, spotY = s.BoatY;

    tool.moveFromCentre(spotX + 10, spotY);
    EXPECT_EQ(s.BoatX, spotX + 10);
    EXPECT_EQ(s.CurrentX, spotX);

    // Where the boat no longer covers the pointer, the current is free.
    tool.moveFromCentre(spotX - 120, spotY);
    EXPECT_EQ(s.BoatX, spotX + 10);
    EXPECT_EQ(s.CurrentX, spotX - 120);
    EXPECT_FLOAT_EQ(centreX(tool.form().Vc), s.CenterX + spotX - 120);
}

TEST(FormMouseMove, OnlyTheLeftButtonAloneActs)
{
    StartedTool tool;
    DiagramState& s = tool.state();
    const Vectors before = vectorsOf(s);
    const float boatLeft = tool.form().Vb.left();
    const QString vent = tool.form().Vent.caption();

    for (std::int16_t buttons : {0, 2, 3, 4, 5, 7}) {
        tool.moveFromCentre(s.BoatX + 5, s.BoatY + 5, buttons); // on the boat
        tool.moveFromCentre(300, 900, buttons);                 // on open water
        EXPECT_EQ(vectorsOf(s), before) << "buttons " << buttons;
    }
    EXPECT_EQ(tool.form().Vb.left(), boatLeft);
    EXPECT_EQ(tool.form().Vent.caption(), vent);
}

TEST(FormMouseMove, SpotHitIsClearedOnlyByMovesInsideTheCircle)
{
    StartedTool tool;
    DiagramState& s = tool.state();
    const Vectors before = vectorsOf(s);

    s.SpotHit = true;
    tool.moveFromCentre(s.Radius + 1, 0, 0);
    EXPECT_TRUE(s.SpotHit);
    tool.moveFromCentre(s.Radius + 1, 0, 1);
    EXPECT_TRUE(s.SpotHit);

    tool.moveFromCentre(300, 900, 0);
    EXPECT_FALSE(s.SpotHit);
    EXPECT_EQ(vectorsOf(s), before);
}

TEST(FormMouseMove, ADragOutToTheRimLeavesTheSpotCentreInside)
{
    StartedTool tool;
    DiagramState& s = tool.state();
    // Straight out along the boat's own bearing, 100 twips a step, far past
    // the rim: the spot stops at the last move that was still inside.
    const double dx = s.BoatX / std::hypot(s.BoatX, s.BoatY);
    const double dy = s.BoatY / std::hypot(s.BoatX, s.BoatY);
    for (int step = 1; step <= 15; ++step)
        tool.moveFromCentre(static_cast<float>(s.BoatX + 100 * dx), static_cast<float>(s.BoatY + 100 * dy));

    const double reach = std::hypot(s.BoatX, s.BoatY);
    EXPECT_LE(squared(s.BoatX) + squared(s.BoatY), squared(s.Radius));
    EXPECT_GT(reach, s.Radius - 100);
    EXPECT_FLOAT_EQ(centreX(tool.form().Vb), s.CenterX + s.BoatX);
    EXPECT_FLOAT_EQ(centreY(tool.form().Vb), s.CenterY + s.BoatY);
}

TEST(FormMouseMove, WindAtTheVeryCentreIsTheZeroVector)
{
    StartedTool tool;
    DiagramState& s = tool.state();
    ASSERT_EQ(tool.form().var.WindDir, 225);

    tool.moveFromCentre(0, 0);
    EXPECT_EQ(s.WindX, 0);
    EXPECT_EQ(s.WindY, 0);
    // A vector of no length has no bearing of its own: the last one stays.
    EXPECT_EQ(tool.form().var.WindDir, 225);
    EXPECT_TRUE(tool.form().Lv1.visible());
}

TEST(FormMouseMove, TheGroundSpotAndTheMeanSpotsCannotBeDragged)
{
    StartedTool tool;
    DiagramState& s = tool.state();
    Form1& form = tool.form();

    const float groundX = s.GroundX, groundY = s.GroundY;
    tool.moveFromCentre(groundX, groundY);
    EXPECT_EQ(s.GroundX, groundX);
    EXPECT_FLOAT_EQ(s.WindX, groundX);

    // Record this hour, then take the live current away from its mean.
    form.Heure_Click(0);
    ASSERT_TRUE(form.Vcmoyen.visible());
    const float meanX = centreX(form.Vcmoyen), meanY = centreY(form.Vcmoyen);
    for (int step = 1; step <= 5; ++step)
        tool.moveFromCentre(s.CurrentX + 100, s.CurrentY);
    ASSERT_GT(s.CurrentX - (meanX - s.CenterX), 2 * HalfSpot);

    for (const toolkit::Shape* mean : {&form.Vcmoyen, &form.Vfmoyen}) {
        const float x = centreX(*mean), y = centreY(*mean);
        form.form_MouseMove(1, 0, x, y);
        EXPECT_EQ(s.WindX, x - s.CenterX);
        EXPECT_EQ(s.WindY, y - s.CenterY);
        EXPECT_EQ(centreX(*mean), x);
    }
    EXPECT_EQ(centreX(form.Vcmoyen), meanX);
    EXPECT_EQ(centreY(form.Vcmoyen), meanY);
}
