#include "support/print_qstring.h"
#include "support/started_tool.h"

#include <gtest/gtest.h>

#include <limits>

// A scale of zero twips per knot makes every speed fail: those statements
// are abandoned one by one, and everything after them still runs.
TEST(CalculResumeNext, ZeroTwipsPerKnotAbandonsTheSpeedsAlone)
{
    StartedTool tool;
    DiagramState& s = tool.state();
    Form1& f = tool.form();
    const float vmgBefore = s.Vmg;
    ASSERT_EQ(f.var.LabelText, QStringLiteral("7,1")); // the boat's, from start-up

    // Boat due north, current due east: fresh headings 0, 90 and 22.
    s.BoatX = 0;
    s.BoatY = -1000;
    s.CurrentX = 400;
    s.CurrentY = 0;
    s.TwipsPerKnot = 0;
    f.Calcul();

    EXPECT_EQ(s.Vmg, vmgBefore);
    EXPECT_EQ(f.var.LabelText, QStringLiteral("7,1"));
    EXPECT_EQ(f.COG.caption(), QStringLiteral("7,1n  22°"));
    EXPECT_EQ(f.Flow.caption(), QStringLiteral("7,1n  90°"));
    EXPECT_EQ(s.SegmentText, f.Flow.caption());
    EXPECT_EQ(f.Sail.caption(), QStringLiteral("7,1n  0°"));
    EXPECT_FLOAT_EQ(f.Vb.top() + f.Vb.width() / 2, s.CenterY - 1000);
    EXPECT_FLOAT_EQ(f.Lc.x2(), s.CenterX + 400);
    // The wind stage ran after them, against the fresh boat heading.
    EXPECT_EQ(f.Vent.caption(), QStringLiteral("Vent 225/ 135°"));
}

TEST(CalculResumeNext, NonFiniteBoatKeepsItsHeadingAndCalculGoesOn)
{
    StartedTool tool;
    DiagramState& s = tool.state();
    Form1& f = tool.form();
    const float spotLeft = f.Vb.left();
    const float lineEnd = f.Lb.x2();

    s.BoatX = std::numeric_limits<float>::quiet_NaN();
    s.BoatY = std::numeric_limits<float>::quiet_NaN();
    s.WindX = 10; // the wind moves to bearing 135 in the same call
    s.WindY = 10;
    f.Calcul();

    EXPECT_EQ(f.var.BoatHeading, 315);
    // The boat's speed failed too, so its readout shows the current's speed.
    EXPECT_EQ(f.Sail.caption(), QStringLiteral("2,8n  315°"));
    EXPECT_EQ(f.COG.caption(), QStringLiteral("7,6n  337°"));
    EXPECT_EQ(f.Vb.left(), spotLeft);
    EXPECT_EQ(f.Lb.x2(), lineEnd);
    EXPECT_EQ(f.var.WindDir, 135);
}
