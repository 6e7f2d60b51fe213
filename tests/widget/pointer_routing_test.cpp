#include "support/platform_pointer.h"
#include "support/started_tool.h"

#include <gtest/gtest.h>

// Which pointer moves reach the diagram's handler, as Qt delivers them from
// the window system: with and without a button held, over the windowless
// controls, over native buttons, and outside the window during a drag.

namespace {
QPointF middleOf(const toolkit::Label& label)
{
    return {label.left() + label.width() / 2, label.top() + label.height() / 2};
}

class PointerRouting : public testing::Test {
protected:
    StartedTool tool;
    DiagramState& s = tool.state();
    Form1& form = tool.form();
    PointerProbe probe{form};
    PlatformPointer mouse{form};
};
} // namespace

TEST_F(PointerRouting, MovesWithNoButtonArriveThroughMouseTracking)
{
    mouse.moveTo(1200, 3000);
    mouse.moveTo(1230, 3015);
    ASSERT_EQ(probe.arrivals.size(), 2u);
    EXPECT_EQ(probe.arrivals[1].button, 0);
    EXPECT_FLOAT_EQ(probe.arrivals[1].x, 1230);
    EXPECT_FLOAT_EQ(probe.arrivals[1].y, 3015);
}

TEST_F(PointerRouting, ButtonsArriveAsTheirMask)
{
    const float windX = s.WindX;

    mouse.moveTo(1200, 3000);
    mouse.press(Qt::RightButton);
    mouse.moveTo(1215, 3000);
    mouse.press(Qt::LeftButton);
    mouse.moveTo(1230, 3000);
    EXPECT_EQ(s.WindX, windX) << "left and right together changed the wind";
    mouse.release(Qt::RightButton);
    mouse.moveTo(1245, 3000);
    EXPECT_FLOAT_EQ(s.WindX, 1245 - s.CenterX);

    ASSERT_EQ(probe.arrivals.size(), 4u);
    EXPECT_EQ(probe.arrivals[1].button, 2);
    EXPECT_EQ(probe.arrivals[2].button, 3);
    EXPECT_EQ(probe.arrivals[3].button, 1);
}

TEST_F(PointerRouting, ADragGoesOnOverTheDisabledTags)
{
    // Up and to the left, 60 twips a step: each move lands on the boat's
    // tag, which sits over the upper left of the spot.
    const double startX = PlatformPointer::onPixel(s.CenterX + s.BoatX);
    const double startY = PlatformPointer::onPixel(s.CenterY + s.BoatY);
    mouse.moveTo(startX, startY);
    mouse.press(Qt::LeftButton);
    for (int step = 1; step <= 5; ++step) {
        const QRectF tag(form.Boat.left(), form.Boat.top(), form.Boat.width(), form.Boat.height());
        const QPointF to(startX - 60 * step, startY - 60 * step);
        ASSERT_TRUE(tag.contains(to)) << "step " << step << " misses the tag";
        mouse.moveTo(to.x(), to.y());
        ASSERT_NEAR(s.BoatX, to.x() - s.CenterX, 0.01) << "lost the boat at step " << step;
    }

    // The current's and the wind's tags let the drag through as well.
    for (const toolkit::Label* tag : {&form.Flux, &form.Wind}) {
        const QPointF middle = middleOf(*tag);
        probe.arrivals.clear();
        mouse.moveTo(middle.x(), middle.y());
        ASSERT_EQ(probe.arrivals.size(), 1u) << tag->caption().toStdString();
        EXPECT_EQ(probe.arrivals[0].button, 1);
    }
}

TEST_F(PointerRouting, AnEnabledLabelKeepsTheMoveEvenInsideTheCircle)
{
    const float windX = s.WindX, windY = s.WindY;

    // "Nord" stands across the top of the circle.
    const QPointF onNorth(s.CenterX, 300);
    ASSERT_LT(s.CenterY - onNorth.y(), s.Radius);
    ASSERT_GT(onNorth.y(), form.Label8.top());
    ASSERT_LT(onNorth.y(), form.Label8.top() + form.Label8.height());

    mouse.moveTo(s.CenterX, 600);
    mouse.press(Qt::LeftButton);
    mouse.moveTo(onNorth.x(), onNorth.y());
    ASSERT_EQ(probe.arrivals.size(), 1u);
    EXPECT_EQ(s.WindX, windX);
    EXPECT_EQ(s.WindY, windY);
}

TEST_F(PointerRouting, NativeButtonsKeepTheirMovesEvenDuringADrag)
{
    const QPointF onButtons[] = {{150, 4920}, {4400, 4920}, {5076, 216}, {6816, 5736}}; // Cinq(0), Aide, Heure(0), Raz(23)
    for (const QPointF& at : onButtons)
        mouse.moveTo(at.x(), at.y());
    EXPECT_TRUE(probe.arrivals.empty());

    mouse.moveTo(4700, 4700);
    mouse.press(Qt::LeftButton);
    for (const QPointF& at : onButtons)
        mouse.moveTo(at.x(), at.y());
    EXPECT_EQ(probe.arrivals.size(), 1u);
}

TEST_F(PointerRouting, ADragOutOfTheWindowStillReportsAndComesBack)
{
    mouse.moveTo(1200, 3000);
    mouse.press(Qt::LeftButton);
    const float windX = s.WindX, windY = s.WindY;
    const float boatX = s.BoatX, currentX = s.CurrentX;

    // Far off every edge: the window keeps the pointer while the button is
    // down, and the moves change nothing there.
    const QPointF outside[] = {{-45000, -30000}, {900000, 1500}, {2436, 6e6}, {-1.5e7, 9e7}, {7100, 6800}};
    for (const QPointF& at : outside)
        mouse.moveTo(at.x(), at.y());
    ASSERT_EQ(probe.arrivals.size(), 1 + std::size(outside));
    EXPECT_FLOAT_EQ(probe.arrivals[1].x, -45000);
    EXPECT_FLOAT_EQ(probe.arrivals[4].y, 9e7f);
    EXPECT_EQ(s.WindX, windX);
    EXPECT_EQ(s.WindY, windY);
    EXPECT_EQ(s.BoatX, boatX);
    EXPECT_EQ(s.CurrentX, currentX);

    // Back inside with the button still held, the drag carries on.
    mouse.moveTo(3000, 3300);
    EXPECT_FLOAT_EQ(s.WindX, 3000 - s.CenterX);
    EXPECT_FLOAT_EQ(s.WindY, 3300 - s.CenterY);
}
