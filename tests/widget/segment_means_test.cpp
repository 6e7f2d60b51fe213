// The integrated current and the mean ground track that the recompute
// derives from the recorded hours.
#include "support/hour_records.h"
#include "support/pixels.h"

#include <gtest/gtest.h>

namespace {

// The centre of a spot, as offsets from the diagram centre.
QPointF spotOffset(StartedTool& tool, const toolkit::Shape& spot)
{
    return {spot.left() + spot.width() / 2.0 - tool.state().CenterX, spot.top() + spot.height() / 2.0 - tool.state().CenterY};
}

QPointF lineEndOffset(StartedTool& tool, const toolkit::Line& line)
{
    EXPECT_EQ(line.x1(), tool.state().CenterX);
    EXPECT_EQ(line.y1(), tool.state().CenterY);
    return {line.x2() - tool.state().CenterX, line.y2() - tool.state().CenterY};
}

void expectNear(QPointF actual, double x, double y, double tolerance)
{
    EXPECT_NEAR(actual.x(), x, tolerance);
    EXPECT_NEAR(actual.y(), y, tolerance);
}

// Hours 1 and 5 hold (300, -100) and (100, 500), so the mean current is
// (200, 200) from the centre.
class TwoHoursRecorded : public testing::Test {
protected:
    void SetUp() override
    {
        recordHour(tool, 0, 300, -100);
        recordHour(tool, 4, 100, 500);
    }

    StartedTool tool;
    Form1& f = tool.form();
};

TEST_F(TwoHoursRecorded, TheMeanSpotsEndTheMeanLines)
{
    expectNear(lineEndOffset(tool, f.Lcmoyen), 200, 200, 0.05);
    expectNear(spotOffset(tool, f.Vcmoyen), 200, 200, 0.05);
    const float boat = tool.state().BoatX;
    expectNear(lineEndOffset(tool, f.Lfmoyen), boat + 200, boat + 200, 0.01);
    expectNear(spotOffset(tool, f.Vfmoyen), boat + 200, boat + 200, 0.01);
    EXPECT_NEAR(tool.state().MeanGroundSpeed, 5.8246, 1e-4);
    EXPECT_NEAR(tool.state().MeanCog, 315, 1e-4);
    EXPECT_EQ(f.COGMean.caption(), "COG moyen:  5,8n  315 °");
}

TEST(SegmentMeans, OppositeCurrentsCancelAndKeepTheLastMeanBearing)
{
    StartedTool tool;
    Form1& f = tool.form();
    recordHour(tool, 0, 300, -400);
    EXPECT_NEAR(tool.state().MeanCurrentDir, 36.8699, 1e-4);
    const float bearing = tool.state().MeanCurrentDir;

    recordHour(tool, 1, -300, 400);
    EXPECT_EQ(tool.state().MeanCurrentSpeed, 0);
    EXPECT_EQ(tool.state().MeanCurrentDir, bearing);
    EXPECT_EQ(f.Label3.caption(), " 2: 0,0n 37°");
    expectNear(spotOffset(tool, f.Vcmoyen), 0, 0, 0.001);
    EXPECT_TRUE(f.Vcmoyen.visible());
    // With no mean current the mean track is the boat's own.
    EXPECT_EQ(f.COGMean.caption(), "COG moyen:  7,1n  315 °");
    expectRowsMatchRecords(tool);
}

TEST_F(TwoHoursRecorded, TheMeanTrackFollowsTheBoatAndTheSummaryStays)
{
    const QString summary = f.Label3.caption();
    const float currentX = tool.state().CurrentX;

    // From the default boat (-0.5 R, -0.5 R) to (-600, -800), move by move.
    const DiagramState& s = tool.state();
    const float fromX = s.BoatX;
    const float fromY = s.BoatY;
    for (int step = 1; step <= 10; ++step) {
        const float x = step == 10 ? -600 : fromX + (-600 - fromX) * step / 10;
        const float y = step == 10 ? -800 : fromY + (-800 - fromY) * step / 10;
        tool.moveFromCentre(x, y);
        ASSERT_NEAR(s.BoatX, x, 0.001);
        expectNear(spotOffset(tool, f.Vfmoyen), s.BoatX + 200, s.BoatY + 200, 0.01);
        expectNear(lineEndOffset(tool, f.Lfmoyen), s.BoatX + 200, s.BoatY + 200, 0.01);
        EXPECT_EQ(f.Label3.caption(), summary);
    }
    EXPECT_EQ(s.BoatX, -600);
    EXPECT_EQ(s.BoatY, -800);
    EXPECT_EQ(s.CurrentX, currentX);
    EXPECT_EQ(f.COGMean.caption(), "COG moyen:  3,2n  326 °");
    expectNear(spotOffset(tool, f.Vcmoyen), 200, 200, 0.05);
}

TEST(SegmentMeans, MeanBearingsAreRoundedOnlyForDisplay)
{
    StartedTool tool;
    Form1& f = tool.form();
    // Means of (-3.5, -500) and (3.5, -500): just west and just east of north.
    recordHour(tool, 0, -10, -500);
    recordHour(tool, 1, 3, -500);
    EXPECT_NEAR(tool.state().MeanCurrentDir, 359.599, 1e-3);
    EXPECT_EQ(f.Label3.caption(), " 2: 2,2n 360°");
    EXPECT_EQ(f.Label2(0).caption(), " 1: 2,2n  359°");
    EXPECT_EQ(f.Label2(1).caption(), " 2: 2,2n  0°");

    f.Raz_Click(0);
    f.Raz_Click(1);
    recordHour(tool, 0, 10, -500);
    recordHour(tool, 1, -3, -500);
    EXPECT_NEAR(tool.state().MeanCurrentDir, 0.401, 1e-3);
    EXPECT_EQ(f.Label3.caption(), " 2: 2,2n 0°");
    EXPECT_EQ(f.Label2(1).caption(), " 2: 2,2n  360°");
}

TEST_F(TwoHoursRecorded, TheMeanReadoutsArePaintedOnlyWhileShown)
{
    const QColor panel(224, 224, 224);
    const QColor dark(64, 64, 64);
    const QColor palePink(255, 192, 192);
    // Inside the box of COGMean and of Label3 clear of their text, and on the
    // right-hand side of the pink ring's 4-pixel outline.
    const auto cogMean = [&](const QImage& image) { return pixelAtTwips(image, 90, 6456); };
    const auto summary = [&](const QImage& image) { return pixelAtTwips(image, 5010, 6126); };
    const auto pinkRing = [&](const QImage& image) {
        return pixelAtTwips(image, f.Vcmoyen.left() + f.Vcmoyen.width() - 22, f.Vcmoyen.top() + f.Vcmoyen.height() / 2);
    };

    QImage image = renderWindow(f);
    EXPECT_EQ(cogMean(image), dark);
    EXPECT_EQ(summary(image), dark);
    EXPECT_EQ(pinkRing(image), palePink);

    f.Raz_Click(4);
    f.Raz_Click(0);
    image = renderWindow(f);
    EXPECT_EQ(cogMean(image), panel);
    EXPECT_EQ(summary(image), panel);
    EXPECT_NE(pinkRing(image), palePink);
}

} // namespace
