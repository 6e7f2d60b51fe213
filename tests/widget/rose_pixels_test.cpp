// The compass rose as the user sees it: one ring per knot, every fifth
// green, twelve spokes through the centre, and nothing left of an earlier
// scale.
#include "support/pixels.h"
#include "support/started_tool.h"

#include <gtest/gtest.h>

namespace {

// Bearings in the lower half, where no spot, line or tag lies after start-up:
// between the spokes, so only rings cross them, and near an axis, so that a
// walk along them cannot slip through a ring's diagonal staircase.
constexpr double ClearBearings[] = {105, 165, 195};

class Rose : public testing::Test {
protected:
    QPointF centre() { return {tool.state().CenterX, tool.state().CenterY}; }
    double perKnot() { return tool.state().TwipsPerKnot; }
    double radius() { return tool.state().Radius; }

    // Ring crossings from half a knot out to past the outer ring.
    std::vector<double> ringsAlong(const QImage& image, double bearing)
    {
        return strokesAlong(image, centre(), bearing, perKnot() / 2, radius() + 150);
    }

    void expectRings(int count)
    {
        const QImage image = renderWindow(tool.form());
        for (double bearing : ClearBearings) {
            const std::vector<double> rings = ringsAlong(image, bearing);
            ASSERT_EQ(rings.size(), static_cast<std::size_t>(count)) << "bearing " << bearing;
            // Each stroke starts within a pixel and a half of its ring.
            for (int k = 1; k <= count; ++k)
                EXPECT_NEAR(rings[k - 1], k * perKnot(), 23) << "ring " << k << " at bearing " << bearing;
            EXPECT_NEAR(rings.back(), radius(), 23);
        }
        for (int k = 1; k <= count; ++k) {
            const QPointF onRing = alongBearing(centre(), 105, k * perKnot());
            const bool fifth = k % 5 == 0;
            EXPECT_TRUE(anyNear(image, onRing.x(), onRing.y(), 1, fifth ? isGreen : isGrey)) << "ring " << k;
            EXPECT_FALSE(anyNear(image, onRing.x(), onRing.y(), 1, fifth ? isGrey : isGreen)) << "ring " << k;
        }
    }

    StartedTool tool;
};

TEST_F(Rose, TenRingsEveryFifthGreen) { expectRings(10); }

TEST_F(Rose, TwelveSpokesReachTheOuterRing)
{
    Form1& form = tool.form();
    // The rose lies beneath the spots and tags; put them aside to see it whole.
    for (toolkit::WindowlessControl* control : std::initializer_list<toolkit::WindowlessControl*>{
             &form.Vb, &form.Vc, &form.Vf, &form.Lb, &form.Lc, &form.Lf, &form.Lv1, &form.Boat, &form.Flux, &form.Wind})
        control->setVisible(false);
    const QImage image = renderWindow(form);
    for (int bearing = 0; bearing < 360; bearing += 30) {
        // Between the rings, from near the centre to the last gap.
        for (double knots = 1.5; knots < 10; knots += 1) {
            const QPointF onSpoke = alongBearing(centre(), bearing, knots * perKnot());
            const QPointF between = alongBearing(centre(), bearing + 15, knots * perKnot());
            EXPECT_TRUE(anyNear(image, onSpoke.x(), onSpoke.y(), 1, isGrey)) << bearing << " deg, " << knots << " kn";
            EXPECT_FALSE(anyNear(image, between.x(), between.y(), 1, isDrawn)) << bearing + 15 << " deg, " << knots << " kn";
        }
        const QPointF end = alongBearing(centre(), bearing, radius() - 20);
        EXPECT_TRUE(anyNear(image, end.x(), end.y(), 1, isGrey)) << bearing << " deg at the outer ring";
    }
}

TEST_F(Rose, SpokesCrossAtTheCentre)
{
    const QImage image = renderWindow(tool.form());
    // The horizontal spoke covers most of the pixel row holding the centre,
    // the vertical one most of its column: (2436, 2526) is (162.4, 168.4) px.
    // Searched over nine pixels from a start, clear of the slanting spokes.
    const auto brightest = [&](QPoint from, QPoint step) {
        QPoint best = from;
        for (QPoint p = from; p != from + 9 * step; p += step)
            if (image.pixelColor(p).red() > image.pixelColor(best).red())
                best = p;
        return best;
    };
    EXPECT_EQ(brightest({200, 164}, {0, 1}).y(), 168);
    EXPECT_EQ(brightest({120, 164}, {0, 1}).y(), 168);
    EXPECT_EQ(brightest({158, 200}, {1, 0}).x(), 162);
    EXPECT_EQ(brightest({158, 240}, {1, 0}).x(), 162);
}

TEST_F(Rose, FiveKnotScaleLeavesNothingOfTheTenKnotRings)
{
    tool.form().Cinq_Click(0);
    expectRings(5);
    // Rings 7 and 9 of ten knots fall between the new rings: not a pixel of
    // them is left, whatever the bearing.
    const QImage image = renderWindow(tool.form());
    for (double bearing : ClearBearings)
        for (int old : {1, 3, 5, 7, 9}) {
            const QPointF p = alongBearing(centre(), bearing, old * radius() / 10);
            EXPECT_FALSE(anyNear(image, p.x(), p.y(), 1, isDrawn)) << "old ring " << old << " at " << bearing;
        }
}

TEST_F(Rose, TwentyKnotScaleGreensEveryFifthRing)
{
    tool.form().Cinq_Click(3);
    expectRings(20);
    tool.form().Cinq_Click(2);
    expectRings(15);
}

} // namespace
