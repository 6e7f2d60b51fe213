#pragma once

#include "print_qstring.h"
#include "started_tool.h"

#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

// Drags a spot as the sailor does, in moves short enough for the spot to
// follow, from where its vector ends to the offset (x, y) from the centre.
inline void dragSpot(StartedTool& tool, const float& vectorX, const float& vectorY, float x, float y)
{
    const float fromX = vectorX;
    const float fromY = vectorY;
    const int steps = std::max(1, static_cast<int>(std::ceil(std::hypot(x - fromX, y - fromY) / 100)));
    for (int i = 1; i < steps; ++i)
        tool.moveFromCentre(fromX + (x - fromX) * i / steps, fromY + (y - fromY) * i / steps);
    tool.moveFromCentre(x, y);
    ASSERT_EQ(vectorX, x);
    ASSERT_EQ(vectorY, y);
}

inline void dragCurrent(StartedTool& tool, float x, float y)
{
    dragSpot(tool, tool.state().CurrentX, tool.state().CurrentY, x, y);
}

inline void dragBoat(StartedTool& tool, float x, float y)
{
    dragSpot(tool, tool.state().BoatX, tool.state().BoatY, x, y);
}

// Sets the live current to (x, y) and records it for one hour.
inline void recordHour(StartedTool& tool, std::int16_t row, float x, float y)
{
    tool.state().CurrentX = x;
    tool.state().CurrentY = y;
    tool.form().Heure_Click(row);
}

// A click on the round mark of an option button.
inline void clickOption(toolkit::OptionButton& button)
{
    QTest::mouseClick(&button, Qt::LeftButton, {}, button.rect().center());
}

// The thirteen controls that are shown exactly while some hour is recorded.
inline std::vector<const toolkit::WindowlessControl*> meanControls(const Form1& f)
{
    return {&f.Vcmoyen, &f.Lcmoyen, &f.Vfmoyen, &f.Lfmoyen, &f.Label3, &f.Label4, &f.Label5,
            &f.Label6,  &f.Shape4,  &f.Shape5,  &f.Shape6,  &f.Shape7, &f.COGMean};
}

inline int visibleCount(const std::vector<const toolkit::WindowlessControl*>& controls)
{
    return static_cast<int>(std::count_if(controls.begin(), controls.end(), [](auto* c) { return c->visible(); }));
}

// An hour is recorded exactly when its row shows a text, and a recorded
// hour never holds the null vector that marks an empty one.
inline void expectRowsMatchRecords(StartedTool& tool)
{
    const DiagramState& s = tool.state();
    int recorded = 0;
    for (int i = 0; i < form1_design::HourRows; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const bool hasVector = s.SegCurrentX.at(at) != 0 || s.SegCurrentY.at(at) != 0;
        EXPECT_EQ(!tool.form().Label2(i).caption().isEmpty(), hasVector) << "hour " << i;
        recorded += hasVector;
    }
    EXPECT_EQ(s.SegmentCount, recorded);
    EXPECT_EQ(visibleCount(meanControls(tool.form())), recorded > 0 ? 13 : 0);
}
