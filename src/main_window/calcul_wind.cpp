#include "diagram/bearing.h"
#include "diagram/diagram_state.h"
#include "diagram/heading.h"
#include "diagram/readouts.h"
#include "main_window/form1.h"
#include "numbers/resume_next.h"

using numbers::resumeNext;
using numbers::toSingle;

// The wind direction against the boat's heading and the ground track: the
// wind window, the close-hauled VMG, and the wind line with its tag.
void Form1::CalculWind()
{
    DiagramState& s = state_;
    Form1Variables& v = var;
    const QColor green = form1_design::colour(Green);
    const QColor red = form1_design::colour(Red);

    resumeNext([&] { HeadingFromOffset(s.WindX, s.WindY, v.WindDir, v.Dx, v.Dy, s.Pi); });

    resumeNext([&] { v.WindAngleBoat = angleBetween(v.WindDir, v.BoatHeading); });
    resumeNext([&] { Vent.setBackColor(headToWind(v.WindAngleBoat) ? red : green); });
    // What the red tells, in words.
    static const QString headToWindWarning = QStringLiteral("angle du vent au bateau inférieur à 45°");
    resumeNext([&] { Vent.setAccessibleDescription(headToWind(v.WindAngleBoat) ? headToWindWarning : QString()); });
    resumeNext([&] { Vent.setCaption(readouts::windText(v.WindDir, v.WindAngleBoat)); });
    resumeNext([&] { v.WindAngleGround = angleBetween(v.GroundHeading, v.WindDir); });

    if (closeHauled(v.WindAngleBoat)) {
        resumeNext([&] { VMG.setBackColor(green); });
        resumeNext([&] { Wind.setBackColor(headToWind(v.WindAngleBoat) ? red : green); });
        resumeNext([&] { s.Vmg = vmgTowardsWind(s.Vmg, v.WindAngleGround, s.Pi); });
        resumeNext([&] { VMG.setCaption(readouts::vmgText(v.WindAngleGround, s.Vmg, numberLocale_)); });
    } else {
        resumeNext([&] { VMG.setBackColor(form1_design::colour(ButtonFace)); });
        resumeNext([&] { Wind.setBackColor(form1_design::colour(WindowBackground)); });
        resumeNext([&] { VMG.setCaption(QString()); });
    }

    const Bearing wind = bearingOf(v.WindDir, s.Pi);
    const BearingEnd tip = endOfBearing(s.CenterX, s.CenterY, wind, s.Radius);
    resumeNext([&] { Lv1.setVisible(true); });
    resumeNext([&] { Lv1.setX1(s.CenterX); });
    resumeNext([&] { Lv1.setY1(s.CenterY); });
    resumeNext([&] { Lv1.setY2(toSingle(tip.y)); });
    resumeNext([&] { Lv1.setX2(toSingle(tip.x)); });

    resumeNext([&] { Wind.setLeft(toSingle(windTagLeft(Lv1.x2(), wind, Wind.width()))); });
    resumeNext([&] { Wind.setTop(toSingle(windTagTop(Lv1.y2(), wind, Wind.height()))); });
}
