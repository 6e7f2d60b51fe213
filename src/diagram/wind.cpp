#include "app/diagram_state.h"
#include "diagram/heading.h"
#include "diagram/readouts.h"
#include "diagram/resume_next.h"
#include "main_window/form1.h"
#include "toolkit/system_colours.h"

#include <cmath>

using toolkit::rgb;
using toolkit::toSingle;

namespace {
constexpr int HeadToWind = 45;   // under this the wind window turns red
constexpr int CloseHauled = 50;  // under this the VMG is worth showing

double sgn(double value) { return value > 0 ? 1.0 : value < 0 ? -1.0 : 0.0; }
} // namespace

// The wind direction against the boat's heading and the ground track: the
// wind window, the close-hauled VMG, and the wind line with its tag.
void Form1::CalculWind()
{
    DiagramState& s = state_;
    Form1Variables& v = var;
    const QColor green = rgb(0, 255, 0);
    const QColor red = rgb(255, 0, 0);

    resumeNext([&] { HeadingFromOffset(s.WindX, s.WindY, v.WindDir, v.Dx, v.Dy, s.Pi); });

    // Folded whatever side of north the wind lies on, so that a boat head to
    // a wind from due north still reads a small angle.
    resumeNext([&] { v.WindAngleBoat = angleBetween(v.WindDir, v.BoatHeading); });
    resumeNext([&] { Vent.setBackColor(v.WindAngleBoat < HeadToWind ? red : green); });
    resumeNext([&] { Vent.setCaption(readouts::windText(v.WindDir, v.WindAngleBoat)); });
    resumeNext([&] { v.WindAngleGround = angleBetween(v.GroundHeading, v.WindDir); });

    if (v.WindAngleBoat < CloseHauled) {
        resumeNext([&] { VMG.setBackColor(green); });
        resumeNext([&] { Wind.setBackColor(v.WindAngleBoat < HeadToWind ? red : green); });
        resumeNext([&] { s.Vmg = toSingle(s.Vmg * std::cos(static_cast<double>(s.Pi) * v.WindAngleGround / 180.0)); });
        resumeNext([&] { VMG.setCaption(readouts::vmgText(v.WindAngleGround, s.Vmg, numberLocale_)); });
    } else {
        resumeNext([&] { VMG.setBackColor(toolkit::systemColour(toolkit::SystemColour::ButtonFace)); });
        resumeNext([&] { Wind.setBackColor(toolkit::systemColour(toolkit::SystemColour::WindowBackground)); });
        resumeNext([&] { VMG.setCaption(QString()); });
    }

    const double theta = s.Pi * static_cast<double>(v.WindDir) / 180.0;
    resumeNext([&] { Lv1.setVisible(true); });
    resumeNext([&] { Lv1.setX1(s.CenterX); });
    resumeNext([&] { Lv1.setY1(s.CenterY); });
    resumeNext([&] { Lv1.setY2(toSingle(s.CenterY - s.Radius * std::cos(theta))); });
    resumeNext([&] { Lv1.setX2(toSingle(s.CenterX + s.Radius * std::sin(theta))); });

    // The tag stands beside the tip, on the side away from the centre.
    resumeNext([&] { Wind.setLeft(toSingle(Lv1.x2() + (sgn(std::sin(theta)) - 1) * Wind.width() / 2)); });
    resumeNext([&] { Wind.setTop(toSingle(Lv1.y2() - (sgn(std::cos(theta)) + 1) * Wind.height() / 2)); });
}
