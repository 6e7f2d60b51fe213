#include "app/diagram_state.h"
#include "diagram/heading.h"
#include "diagram/readouts.h"
#include "diagram/resume_next.h"
#include "diagram/speed.h"
#include "main_window/form1.h"

using toolkit::toSingle;

namespace {
// A tag sits above and to the left of its spot, overlapping it by a third.
void followSpot(toolkit::Label& tag, const toolkit::Shape& spot)
{
    resumeNext([&] { tag.setLeft(toSingle(spot.left() - tag.width() / 1.5)); });
    resumeNext([&] { tag.setTop(toSingle(spot.top() - tag.height() / 1.5)); });
}
} // namespace

// Boat plus current gives the ground track: spots, lines and the three
// readouts of speed and heading.
void Form1::CalculVectorTriangle()
{
    DiagramState& s = state_;
    Form1Variables& v = var;
    const auto speedText = [&](float x, float y) {
        return toolkit::format(speedInKnots(x, y, s.TwipsPerKnot), "#0.0", numberLocale_);
    };

    resumeNext([&] { s.GroundX = toSingle(static_cast<double>(s.BoatX) + s.CurrentX); });
    resumeNext([&] { s.GroundY = toSingle(static_cast<double>(s.BoatY) + s.CurrentY); });

    placeSpot(Vb, s.BoatX, s.BoatY);
    followSpot(Boat, Vb);
    placeSpot(Vc, s.CurrentX, s.CurrentY);
    followSpot(Flux, Vc);
    placeSpot(Vf, s.GroundX, s.GroundY);

    placeLineFromCentre(Lf, s.GroundX, s.GroundY);
    placeLineFromCentre(Lc, s.CurrentX, s.CurrentY);
    placeLineFromCentre(Lb, s.BoatX, s.BoatY);

    resumeNext([&] { s.Vmg = toSingle(speedInKnots(s.GroundX, s.GroundY, s.TwipsPerKnot)); });

    resumeNext([&] { v.LabelText = speedText(s.GroundX, s.GroundY); });
    resumeNext([&] { HeadingFromOffset(s.GroundX, s.GroundY, v.GroundHeading, v.Dx, v.Dy, s.Pi); });
    resumeNext([&] { COG.setCaption(readouts::vectorText(v.LabelText, v.GroundHeading)); });

    // A current too weak to show a speed keeps the last heading it had.
    resumeNext([&] { v.LabelText = speedText(s.CurrentX, s.CurrentY); });
    resumeNext([&] {
        if (toolkit::parseNumber(v.LabelText, numberLocale_) > 0)
            HeadingFromOffset(s.CurrentX, s.CurrentY, v.CurrentHeading, v.Dx, v.Dy, s.Pi);
    });
    resumeNext([&] { s.SegmentText = readouts::vectorText(v.LabelText, v.CurrentHeading); });
    resumeNext([&] { Flow.setCaption(readouts::vectorText(v.LabelText, v.CurrentHeading)); });

    resumeNext([&] { v.LabelText = speedText(s.BoatX, s.BoatY); });
    resumeNext([&] { HeadingFromOffset(s.BoatX, s.BoatY, v.BoatHeading, v.Dx, v.Dy, s.Pi); });
    resumeNext([&] { Sail.setCaption(readouts::vectorText(v.LabelText, v.BoatHeading)); });
}
