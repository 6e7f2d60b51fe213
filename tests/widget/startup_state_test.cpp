// What start-up leaves behind: the diagram's geometry and defaults, the
// nested first run, the scale factor of every scale, and the tab order.
#include "support/started_tool.h"

#include <QAbstractButton>

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(StartUp, TenKnotScaleOnTheDesignedFrameWithTheOuterRunsDefaults)
{
    StartedTool tool;
    const DiagramState& s = tool.state();
    EXPECT_EQ(s.ScaleKnots, 10);
    EXPECT_EQ(s.LastSegment, 23);
    EXPECT_EQ(s.Radius, 2269.0908203125f); // 4992 / 2.2 worked in double, kept as a single
    EXPECT_EQ(s.TwipsPerKnot, s.Radius / 10.0f);
    EXPECT_NEAR(s.TwipsPerKnot, 226.9091, 5e-5);
    // Half the sum of edge and size: 60 twips right of the frame's middle.
    EXPECT_EQ(s.CenterX, 2436.0f);
    EXPECT_EQ(s.CenterY, 2526.0f);
    EXPECT_EQ(s.Pi, 3.1415927f);

    const double R = s.Radius; // the nested run saw 0 here; the outer one the real radius
    EXPECT_EQ(s.BoatX, static_cast<float>(-0.5 * R));
    EXPECT_EQ(s.BoatY, static_cast<float>(-0.5 * R));
    EXPECT_EQ(s.CurrentX, static_cast<float>(0.2 * R));
    EXPECT_EQ(s.CurrentY, static_cast<float>(-0.2 * R));
    EXPECT_EQ(s.WindX, -10.0f);
    EXPECT_EQ(s.WindY, 10.0f);
    EXPECT_EQ(s.SegCurrentX, std::vector<float>(24, 0.0f));
    EXPECT_EQ(s.SegCurrentY, std::vector<float>(24, 0.0f));
}

TEST(StartUp, TheNestedFirstRunDrawsTheRoseUnderTheOuterOne)
{
    StartedTool tool;
    // Ten rings and seven diameters, twice, with no clearing in between;
    // a later scale clears first and draws once.
    EXPECT_EQ(tool.form().surface()->figures().size(), 2u * (10 + 7));
    tool.form().Cinq_Click(0);
    EXPECT_EQ(tool.form().surface()->figures().size(), 5u + 7);
}

TEST(StartUp, EveryScaleDividesTheSameRadius)
{
    StartedTool tool;
    const float radius = tool.state().Radius;
    const double perKnot[] = {453.8182, 226.9091, 151.2727, 113.4545};
    for (std::int16_t index : {3, 0, 2, 1}) {
        tool.form().Cinq(index).click();
        EXPECT_EQ(tool.state().Radius, radius);
        EXPECT_NEAR(tool.state().TwipsPerKnot, perKnot[index], 5e-5) << form1_design::ScaleKnots.at(static_cast<std::size_t>(index)) << " knots";
    }
}

TEST(StartUp, TabOrderRunsScalesHelpExitThenTheHourRows)
{
    StartedTool tool;
    Form1& form = tool.form();
    std::vector<QWidget*> expected{&form.Cinq(0), &form.Cinq(1), &form.Cinq(2), &form.Cinq(3), form.Aide, form.Quitter};
    for (int i = 0; i < form.Heure.size(); ++i)
        expected.push_back(&form.Heure(i));
    for (int i = 0; i < form.Raz.size(); ++i)
        expected.push_back(&form.Raz(i));
    std::vector<QWidget*> chain;
    QWidget* next = expected.front();
    do {
        if (qobject_cast<QAbstractButton*>(next))
            chain.push_back(next);
        next = next->nextInFocusChain();
    } while (next != expected.front() && chain.size() <= expected.size());
    EXPECT_EQ(chain, expected);
}

} // namespace
