#include "support/pixels.h"
#include "support/started_tool.h"
#include "toolkit/system_colours.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

using toolkit::rgb;
using toolkit::SystemColour;
using toolkit::systemColour;

namespace {

const QColor Green = rgb(0, 255, 0);
const QColor Red = rgb(255, 0, 0);

struct Offset {
    float x;
    float y;
};

// The end of a vector of some length on a bearing, degrees clockwise from
// north, in window axes.
Offset towards(double bearing, double length)
{
    const double radians = bearing * std::numbers::pi / 180;
    return {static_cast<float>(length * std::sin(radians)), static_cast<float>(-length * std::cos(radians))};
}

void setWind(DiagramState& s, double bearing)
{
    const Offset wind = towards(bearing, 1000);
    s.WindX = wind.x;
    s.WindY = wind.y;
}

// Boat and ground track by bearing and knots; the current closes the triangle.
void setTriangle(DiagramState& s, double boatBearing, double boatKnots, double groundBearing, double groundKnots)
{
    const Offset boat = towards(boatBearing, boatKnots * s.TwipsPerKnot);
    const Offset ground = towards(groundBearing, groundKnots * s.TwipsPerKnot);
    s.BoatX = boat.x;
    s.BoatY = boat.y;
    s.CurrentX = ground.x - boat.x;
    s.CurrentY = ground.y - boat.y;
}

// A boat at 5 knots in slack water: the ground track is the boat's.
void setBoat(DiagramState& s, double bearing) { setTriangle(s, bearing, 5, bearing, 5); }

float groundSpeed(const DiagramState& s)
{
    const double x = s.GroundX, y = s.GroundY;
    return static_cast<float>(std::sqrt(x * x + y * y) / s.TwipsPerKnot);
}

// The colour most of a label's inside shows, past its border and its text.
QColor backgroundSeen(const QImage& image, const toolkit::Label& label)
{
    const QRect inside =
        toolkit::pixelRect(label.left(), label.top(), label.width(), label.height()).toAlignedRect().adjusted(2, 2, -2, -2);
    std::map<QRgb, int> counts;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[image.pixel(x, y)];
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    return QColor(most->first);
}

class WindStage : public testing::Test {
protected:
    StartedTool tool;
    DiagramState& s = tool.state();
    Form1& form = tool.form();
};

} // namespace

TEST_F(WindStage, DefaultWindBlowsFromTheSouthWestAcrossTheBoat)
{
    EXPECT_EQ(form.var.WindDir, 225);
    EXPECT_EQ(form.var.BoatHeading, 315);
    EXPECT_EQ(form.var.WindAngleBoat, 90);
    EXPECT_EQ(form.Vent.caption(), QStringLiteral("Vent 225/ 90°"));
    EXPECT_EQ(form.Vent.backColor(), Green);
    EXPECT_EQ(form.VMG.caption(), QString());

    const toolkit::Line& line = form.Lv1;
    EXPECT_TRUE(line.visible());
    EXPECT_EQ(line.x1(), s.CenterX);
    EXPECT_EQ(line.y1(), s.CenterY);
    const double dx = line.x2() - s.CenterX, dy = line.y2() - s.CenterY;
    EXPECT_LT(dx, 0);
    EXPECT_GT(dy, 0);
    EXPECT_NEAR(dx, -dy, 0.01);
    EXPECT_NEAR(std::hypot(dx, dy), s.Radius, 0.01);
    // South-west: the tag ends at the tip and hangs below it.
    EXPECT_NEAR(form.Wind.left() + form.Wind.width(), line.x2(), 0.01);
    EXPECT_NEAR(form.Wind.top(), line.y2(), 0.01);
    EXPECT_EQ(form.Wind.caption(), QStringLiteral("Vent"));
}

TEST_F(WindStage, DifferencesAboveAHalfTurnFoldBack)
{
    setWind(s, 10);
    setBoat(s, 350);
    form.Calcul();
    EXPECT_EQ(form.Vent.caption(), QStringLiteral("Vent 10/ 20°"));
    EXPECT_EQ(form.Vent.backColor(), Red);
    EXPECT_EQ(form.VMG.caption(), QStringLiteral("Vmg 20°4,7n"));
}

TEST_F(WindStage, WindStraightAboveTheCentreFoldsToo)
{
    setBoat(s, 350);
    tool.moveFromCentre(0, -500);
    ASSERT_EQ(s.WindX, 0);
    ASSERT_EQ(form.var.WindDir, 0);
    EXPECT_EQ(form.var.WindAngleBoat, 10);
    EXPECT_EQ(form.var.WindAngleGround, 10);
    EXPECT_EQ(form.Vent.caption(), QStringLiteral("Vent 0/ 10°"));
    EXPECT_EQ(form.Vent.backColor(), Red);
    EXPECT_EQ(form.VMG.caption(), QStringLiteral("Vmg 10°4,9n"));
}

TEST_F(WindStage, ThresholdsOfTheWindWindowAndTheCloseHauledReadout)
{
    // The wind from the south puts the tip label on a clear part of the window.
    struct Case {
        int angle;
        bool ventRed, closeHauled;
    };
    for (const Case& c : {Case{44, true, true}, Case{45, false, true}, Case{49, false, true}, Case{50, false, false}}) {
        SCOPED_TRACE(c.angle);
        setWind(s, 180);
        setBoat(s, c.angle % 2 ? 180 - c.angle : 180 + c.angle);
        form.Calcul();
        ASSERT_EQ(form.var.WindAngleBoat, c.angle);
        EXPECT_EQ(form.Vent.caption(), QStringLiteral("Vent 180/ %1°").arg(c.angle));
        const QColor warning = c.ventRed ? Red : Green;
        EXPECT_EQ(form.Vent.backColor(), warning);
        if (c.closeHauled) {
            EXPECT_EQ(form.VMG.backColor(), Green);
            EXPECT_TRUE(form.VMG.caption().startsWith(QStringLiteral("Vmg %1°").arg(c.angle)));
            EXPECT_EQ(form.Wind.backColor(), warning);
        } else {
            const QColor buttonFace = systemColour(SystemColour::ButtonFace);
            const QColor windowBackground = systemColour(SystemColour::WindowBackground);
            EXPECT_EQ(form.VMG.caption(), QString());
            EXPECT_EQ(form.VMG.backColor(), buttonFace);
            EXPECT_EQ(form.Wind.backColor(), windowBackground);
            const QImage seen = renderWindow(form);
            EXPECT_EQ(backgroundSeen(seen, form.VMG), buttonFace);
            EXPECT_EQ(backgroundSeen(seen, form.Wind), windowBackground);
            EXPECT_NE(buttonFace, windowBackground);
        }
    }
}

TEST_F(WindStage, VmgReadoutGivesTheTracksAngleToTheWindAndTheSpeedMadeGood)
{
    // The second has a strong current setting the track away from the wind.
    struct Case {
        double boat, boatKnots, ground, groundKnots;
        int angleBoat, angleGround;
        double vmg;
        QString text;
    };
    for (const Case& c : {Case{50, 6, 38, 7, 40, 52, 4.3097, QStringLiteral("Vmg 52°4,3n")},
                          Case{60, 2, 210, 4.2, 30, 120, -2.1, QStringLiteral("Vmg 120°-2,1n")}}) {
        SCOPED_TRACE(c.text.toStdString());
        setWind(s, 90);
        setTriangle(s, c.boat, c.boatKnots, c.ground, c.groundKnots);
        form.Calcul();
        ASSERT_EQ(form.var.WindAngleBoat, c.angleBoat);
        ASSERT_EQ(form.var.WindAngleGround, c.angleGround);
        EXPECT_NEAR(s.Vmg, c.vmg, 1e-4);
        EXPECT_EQ(form.VMG.caption(), c.text);

        // Nothing carries over from one call to the next.
        const float vmg = s.Vmg;
        form.Calcul();
        EXPECT_EQ(s.Vmg, vmg);
        EXPECT_EQ(form.VMG.caption(), c.text);
    }
}

TEST_F(WindStage, OffTheWindTheVmgStaysTheGroundSpeed)
{
    setWind(s, 180);
    setTriangle(s, 50, 6, 270, 7);
    form.Calcul();
    ASSERT_EQ(form.var.WindAngleBoat, 130);
    EXPECT_EQ(s.Vmg, groundSpeed(s));
}

TEST(WindStageInEnglish, VmgUsesTheUsersDecimalSeparator)
{
    StartedTool tool(QLocale(QLocale::English, QLocale::UnitedKingdom));
    setWind(tool.state(), 90);
    setTriangle(tool.state(), 50, 6, 38, 7);
    tool.form().Calcul();
    EXPECT_EQ(tool.form().VMG.caption(), QStringLiteral("Vmg 52°4.3n"));
}
