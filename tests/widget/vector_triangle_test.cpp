#include "support/print_qstring.h"
#include "support/started_tool.h"
#include "support/triangle_view.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// A spot's centre, on its vector's end, is where its line ends.
void expectOnVectorEnd(const DiagramState& s, const toolkit::Shape& spot, const toolkit::Line& line, float x, float y)
{
    const float centreX = spot.left() + spot.width() / 2, centreY = spot.top() + spot.width() / 2;
    EXPECT_FLOAT_EQ(centreX, s.CenterX + x);
    EXPECT_FLOAT_EQ(centreY, s.CenterY + y);
    EXPECT_TRUE(line.visible());
    EXPECT_EQ(QLineF(line.x1(), line.y1(), line.x2(), line.y2()), QLineF(s.CenterX, s.CenterY, centreX, centreY));
}

// A tag overlaps the top-left of its spot by a third of its own size.
void expectTagAtTopLeft(const toolkit::Label& tag, const toolkit::Shape& spot)
{
    EXPECT_FLOAT_EQ(tag.left() + tag.width(), spot.left() + tag.width() / 3);
    EXPECT_FLOAT_EQ(tag.top() + tag.height(), spot.top() + tag.height() / 3);
}

void expectTriangleDrawn(const DiagramState& s, const Form1& f)
{
    EXPECT_EQ(s.GroundX, s.BoatX + s.CurrentX);
    EXPECT_EQ(s.GroundY, s.BoatY + s.CurrentY);
    expectOnVectorEnd(s, f.Vb, f.Lb, s.BoatX, s.BoatY);
    expectOnVectorEnd(s, f.Vc, f.Lc, s.CurrentX, s.CurrentY);
    expectOnVectorEnd(s, f.Vf, f.Lf, s.GroundX, s.GroundY);
    expectTagAtTopLeft(f.Boat, f.Vb);
    expectTagAtTopLeft(f.Flux, f.Vc);
}

} // namespace

TEST(VectorTriangle, StartUpReadoutsInAFrenchAndAnEnglishLocale)
{
    for (const auto& [locale, separator] : {std::pair {QLocale(QLocale::French, QLocale::France), u','},
                                            std::pair {QLocale(QLocale::English, QLocale::UnitedKingdom), u'.'}}) {
        StartedTool tool(locale);
        const auto text = [&](const char* french) { return QString::fromUtf8(french).replace(u',', separator); };
        EXPECT_EQ(tool.form().COG.caption(), text("7,6n  337°"));
        EXPECT_EQ(tool.form().Flow.caption(), text("2,8n  45°"));
        EXPECT_EQ(tool.form().Sail.caption(), text("7,1n  315°"));
        EXPECT_EQ(tool.state().SegmentText, tool.form().Flow.caption());
        EXPECT_FLOAT_EQ(tool.state().Vmg, 7.6157731f); // not close-hauled: the ground speed
    }
}

TEST(VectorTriangle, SpotsLinesAndTagsFollowTheVectors)
{
    StartedTool tool;
    DiagramState& s = tool.state();
    expectTriangleDrawn(s, tool.form());
    s.BoatX = 123.4f;
    s.BoatY = -987.6f;
    s.CurrentX = -333.3f;
    s.CurrentY = 55.5f;
    tool.form().Calcul();
    expectTriangleDrawn(s, tool.form());
}

TEST(VectorTriangle, VectorsWithNoSpeedToShowKeepTheirHeadings)
{
    StartedTool tool;
    DiagramState& s = tool.state();
    Form1& f = tool.form();
    const auto knots = [&](float value) { return value * s.TwipsPerKnot; };
    const auto currentReads = [&](float east, float south) {
        s.CurrentX = knots(east);
        s.CurrentY = knots(south);
        f.Calcul();
        EXPECT_EQ(s.SegmentText, f.Flow.caption());
        return f.Flow.caption();
    };
    EXPECT_EQ(currentReads(0, 0.04f), QStringLiteral("0,0n  45°"));
    EXPECT_EQ(currentReads(0, 0), QStringLiteral("0,0n  45°"));
    EXPECT_EQ(currentReads(0, 0.06f), QStringLiteral("0,1n  180°"));
    EXPECT_EQ(currentReads(-0.04f, 0), QStringLiteral("0,0n  180°"));

    currentReads(0.2f, -0.2f); // back to 45
    s.BoatX = -0.0f;
    s.BoatY = 0.0f;
    f.Calcul();
    EXPECT_EQ(f.Sail.caption(), QStringLiteral("0,0n  315°"));
    s.BoatX = -s.CurrentX;
    s.BoatY = -s.CurrentY;
    f.Calcul();
    EXPECT_EQ(f.COG.caption(), QStringLiteral("0,0n  45°")); // the ground kept the current's heading
}

TEST(VectorTriangle, TheBoatNeedsNoSpeedToShowForAHeading)
{
    StartedTool tool;
    DiagramState& s = tool.state();
    s.CurrentX = s.CurrentY = s.BoatY = 0;
    s.BoatX = 0.04f * s.TwipsPerKnot;
    tool.form().Calcul();
    EXPECT_EQ(tool.form().Sail.caption(), QStringLiteral("0,0n  90°"));
    EXPECT_EQ(tool.form().COG.caption(), QStringLiteral("0,0n  90°"));
}

TEST(VectorTriangle, UnchangedInputsGiveTheSameWindowTwice)
{
    StartedTool tool;
    DiagramState& s = tool.state();
    s.CurrentX = 3; // too weak to show: its readout depends on earlier calls
    s.CurrentY = 4;
    s.BoatX = 1000.5f;
    tool.form().Calcul();
    const TriangleView first = triangleView(tool.form(), s);
    tool.form().Calcul();
    EXPECT_EQ(triangleView(tool.form(), s), first);
}
