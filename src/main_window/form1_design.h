#pragma once

// The main window's design: its numbers and colours, named once, and the
// looks its controls are declared with (form1.h). The layout, the handlers
// and the tests all take them from here.
#include "toolkit/label.h"

#include <QColor>
#include <QFont>

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

enum Colour {
    NoColour, // a shape's transparent interior
    NightBlue, // the window
    Blue,
    Red,
    Green,
    DarkGreen,
    PalePink,
    PaleGreen,
    PanelGrey,
    DarkGrey,
    LightGreen,
    LightRed,
    PaleBlue, // every push button's face
    ChosenScaleGreen, // the chosen scale button's
    // The desktop's, read as the window is made.
    ButtonFace,
    ButtonText,
    ButtonShadow,
    WindowBackground,
    WindowText,
    ActiveBorder,
    InactiveTitleBar,
};
QColor colour(Colour name);

enum Typeface { Arial, ArialBold, SansSerif, DefaultFont };
// DefaultFont is the window's own, at its own size, whatever the points.
QFont font(Typeface face, double points);

enum Edge { Bordered, Borderless };
// A label that lets the pointer through is disabled: moves over it reach
// the window.
enum Pointer { TakesThePointer, LetsThePointerThrough };
enum Figure { Disc, Ring, DashedRing, Frame, Panel };

struct Box {
    float left, top, width, height;
};

struct LabelLook {
    const char* caption; // UTF-8
    Colour back;
    Colour fore;
    toolkit::Alignment alignment;
    Edge edge;
    Typeface face;
    double points;
    Pointer pointer = TakesThePointer;
};

// A disc is filled and has no outline; a ring is hollow with a 4-pixel
// outline; a frame is a hollow rectangle, a panel a grey one, both outlined
// in blue.
struct ShapeLook {
    Figure figure;
    Box box;
    Colour colour = NoColour;
};

struct LineLook {
    float x1, y1, x2, y2;
    Colour colour;
    int pixels;
};

// Whether a control shows as the window is made, and whether it shows and
// hides with the means of the recorded hours.
enum Showing { Shown, Hidden, WithTheMeans, HiddenWithTheMeans };

} // namespace form1_design
