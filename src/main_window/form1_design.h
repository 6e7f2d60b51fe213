#pragma once

// The main window's numbers and colours that more than one place goes by:
// its layout, its handlers and the tests all take them from here.
#include "toolkit/system_colours.h"

#include <QColor>

#include <algorithm>
#include <array>
#include <cstdint>

namespace form1_design {

// The hour-segment panel: one row per hour, each a record button, its label
// and an erase button, at the same pitch from the panel's first row down.
inline constexpr int HourRows = 24;
constexpr float rowTop(int row) { return 120 + 240.0f * static_cast<float>(row); }

// What the outer ring stands for, by scale button; each button's caption.
inline constexpr std::array<std::int16_t, 4> ScaleKnots{5, 10, 15, 20};
inline constexpr int ScaleButtons = static_cast<int>(ScaleKnots.size());
// The button of a scale, -1 for a scale no button offers.
constexpr int scaleButtonOf(int knots)
{
    const auto found = std::find(ScaleKnots.begin(), ScaleKnots.end(), knots);
    return found == ScaleKnots.end() ? -1 : static_cast<int>(found - ScaleKnots.begin());
}

// Every push button's face, and the chosen scale's.
inline const QColor PaleBlue = toolkit::rgb(192, 192, 255);
inline const QColor ChosenScaleGreen = toolkit::rgb(100, 255, 100);

} // namespace form1_design
