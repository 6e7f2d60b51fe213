// Recording and erasing hours through their handlers and through clicks on
// the option buttons of the hour panel.
#include "support/hour_records.h"

#include <gtest/gtest.h>

namespace {

TEST(HourSegments, TwoHoursAreAveragedOverTheRecordedHoursOnly)
{
    StartedTool tool;
    Form1& f = tool.form();
    EXPECT_TRUE(f.Label3.caption().isEmpty()); // the design placeholder never shows
    recordHour(tool, 0, 300, -100);
    EXPECT_EQ(f.Label2(0).caption(), " 1: " + tool.state().SegmentText);
    EXPECT_EQ(f.Label2(0).caption(), " 1: 1,4n  72°");
    recordHour(tool, 4, 100, 500);
    EXPECT_EQ(f.Label2(4).caption(), " 5: " + tool.state().SegmentText);
    EXPECT_EQ(f.Label2(4).caption(), " 5: 2,2n  169°");

    EXPECT_EQ(tool.state().SegmentCount, 2);
    EXPECT_FLOAT_EQ(f.var.SumCurrentX, 200);
    EXPECT_FLOAT_EQ(f.var.SumCurrentY, 200);
    EXPECT_NEAR(tool.state().MeanCurrentSpeed, 1.24649, 1e-4);
    EXPECT_NEAR(tool.state().MeanCurrentDir, 135, 1e-4);
    EXPECT_EQ(f.Label3.caption(), " 2: 1,2n 135°");
    EXPECT_EQ(f.Label2(0).caption(), " 1: 1,4n  72°"); // the second record leaves the first row alone
    expectRowsMatchRecords(tool);
}

TEST(HourSegments, ACurrentOnTheCentreIsRecordedAsAVanishingOne)
{
    StartedTool tool;
    dragCurrent(tool, 0, 0);
    tool.form().Heure_Click(2);

    const DiagramState& s = tool.state();
    EXPECT_EQ(s.CurrentX, 0.01f);
    EXPECT_EQ(s.CurrentY, 0.0f);
    EXPECT_EQ(s.SegCurrentX.at(2), 0.01f);
    EXPECT_EQ(s.SegmentCount, 1);
    EXPECT_LT(s.MeanCurrentSpeed, 1e-4);
    EXPECT_TRUE(tool.form().Label2(2).caption().startsWith(" 3: 0,0n  "));
    EXPECT_EQ(tool.form().Label3.caption(), " 1: 0,0n 90°");
    expectRowsMatchRecords(tool);
}

TEST(HourSegments, ARecordedHourIsKeptUntilErased)
{
    StartedTool tool;
    Form1& f = tool.form();
    recordHour(tool, 3, 300, -100);
    const QString row = f.Label2(3).caption();
    const QString summary = f.Label3.caption();

    dragCurrent(tool, -200, 250);
    f.Heure_Click(3);
    clickOption(f.Heure(3));
    EXPECT_EQ(tool.state().SegCurrentX.at(3), 300);
    EXPECT_EQ(tool.state().SegCurrentY.at(3), -100);
    EXPECT_EQ(f.Label2(3).caption(), row);
    EXPECT_EQ(f.Label3.caption(), summary);

    clickOption(f.Raz(3));
    clickOption(f.Heure(3));
    EXPECT_EQ(tool.state().SegCurrentX.at(3), -200);
    EXPECT_EQ(f.Label2(3).caption(), " 4: " + f.Flow.caption());
    expectRowsMatchRecords(tool);
}

TEST(HourSegments, ErasingAnEmptyHourDoesNotRecompute)
{
    StartedTool tool;
    Form1& f = tool.form();
    recordHour(tool, 0, 300, -100);
    const QString summary = f.Label3.caption();
    f.COG.setCaption(QStringLiteral("disturbed"));
    f.Vcmoyen.setLeft(0);

    f.Raz_Click(7);
    clickOption(f.Raz(8));
    EXPECT_EQ(f.COG.caption(), "disturbed");
    EXPECT_EQ(f.Vcmoyen.left(), 0);
    EXPECT_EQ(f.Label3.caption(), summary);
    EXPECT_TRUE(f.Label2(7).caption().isEmpty());
    expectRowsMatchRecords(tool);

    f.Raz_Click(0); // a recorded hour is erased, and the whole diagram recomputed
    EXPECT_NE(f.COG.caption(), "disturbed");
    expectRowsMatchRecords(tool);
}

TEST(HourSegments, ErasingTheLastHourHidesTheMeansButKeepsTheirValues)
{
    StartedTool tool;
    Form1& f = tool.form();
    recordHour(tool, 1, 300, -100);
    recordHour(tool, 2, 100, 500);
    f.Raz_Click(2);
    EXPECT_EQ(f.Label3.caption(), " 1: 1,4n 72°");
    EXPECT_EQ(visibleCount(meanControls(f)), 13);
    const DiagramState before = tool.state();

    f.Raz_Click(1);
    EXPECT_EQ(visibleCount(meanControls(f)), 0);
    EXPECT_TRUE(f.Label3.caption().isEmpty());
    EXPECT_TRUE(f.Label2(1).caption().isEmpty());
    const DiagramState& s = tool.state();
    EXPECT_EQ(s.MeanCurrentSpeed, before.MeanCurrentSpeed);
    EXPECT_EQ(s.MeanCurrentDir, before.MeanCurrentDir);
    EXPECT_EQ(s.MeanGroundSpeed, before.MeanGroundSpeed);
    EXPECT_EQ(s.MeanCog, before.MeanCog);
    expectRowsMatchRecords(tool);

    dragBoat(tool, -600, -800); // later recomputes keep them hidden
    EXPECT_EQ(visibleCount(meanControls(f)), 0);
    EXPECT_EQ(s.MeanCog, before.MeanCog);
}

TEST(HourSegments, TheLastRowIsNumberedTwentyFour)
{
    StartedTool tool;
    recordHour(tool, 23, 300, -100);
    EXPECT_EQ(tool.form().Label2(23).caption(), " 24: 1,4n  72°");
    EXPECT_EQ(tool.form().Label3.caption(), " 1: 1,4n 72°");
}

TEST(HourSegments, AllFortyEightOptionButtonsFormOneGroup)
{
    StartedTool tool;
    Form1& f = tool.form();
    const auto selected = [&f] {
        std::vector<const toolkit::OptionButton*> on;
        for (int i = 0; i < form1_design::HourRows; ++i)
            for (const toolkit::OptionButton* button : {&f.Heure(i), &f.Raz(i)})
                if (button->value())
                    on.push_back(button);
        return on;
    };
    EXPECT_TRUE(selected().empty());

    const auto clickAndCheck = [&](toolkit::OptionButton& button) {
        clickOption(button);
        EXPECT_EQ(selected(), std::vector<const toolkit::OptionButton*>{&button});
        expectRowsMatchRecords(tool);
    };
    clickAndCheck(f.Heure(5));
    EXPECT_FALSE(f.Label2(5).caption().isEmpty());
    clickAndCheck(f.Raz(5));
    EXPECT_TRUE(f.Label2(5).caption().isEmpty());
    clickAndCheck(f.Heure(23));
    clickAndCheck(f.Raz(0));
    clickAndCheck(f.Heure(0));
    clickAndCheck(f.Heure(0)); // clicking the selected one keeps it selected
}

TEST(HourSegments, AScaleChangeErasesEveryRecordAndClearsTheHourMarks)
{
    StartedTool tool;
    Form1& f = tool.form();
    clickOption(f.Heure(0));
    dragCurrent(tool, -200, 250);
    clickOption(f.Heure(5));
    recordHour(tool, 23, 100, 500);
    f.Heure(23).setValue(true);
    expectRowsMatchRecords(tool);

    f.Cinq_Click(2);
    for (int i = 0; i < form1_design::HourRows; ++i) {
        EXPECT_TRUE(f.Label2(i).caption().isEmpty()) << i;
        EXPECT_FALSE(f.Heure(i).value()) << i;
    }
    EXPECT_TRUE(f.Label3.caption().isEmpty());
    expectRowsMatchRecords(tool);

    clickOption(f.Heure(5)); // the default current again, now at 15 knots
    EXPECT_EQ(f.Label2(5).caption(), " 6: 4,2n  45°");
    expectRowsMatchRecords(tool);
}

} // namespace
