#include "diagram/diagram_state.h"
#include "diagram/heading.h"
#include "diagram/readouts.h"
#include "diagram/vectors.h"
#include "main_window/form1.h"
#include "numbers/resume_next.h"

using numbers::resumeNext;
using numbers::toSingle;

namespace {
void followSpot(toolkit::Label& tag, const toolkit::Shape& spot)
{
    resumeNext([&] { tag.setLeft(toSingle(tagEdge(spot.left(), tag.width()))); });
    resumeNext([&] { tag.setTop(toSingle(tagEdge(spot.top(), tag.height()))); });
}
} // namespace

// Boat plus current gives the ground track: spots, lines and the three
// readouts of speed and heading.
void Form1::CalculVectorTriangle()
{
    DiagramState& s = state_;
    Form1Variables& v = var;

    resumeNext([&] { s.GroundX = singleSum(s.BoatX, s.CurrentX); });
    resumeNext([&] { s.GroundY = singleSum(s.BoatY, s.CurrentY); });

    placeSpot(Vb, s.BoatX, s.BoatY);
    followSpot(Boat, Vb);
    placeSpot(Vc, s.CurrentX, s.CurrentY);
    followSpot(Flux, Vc);
    placeSpot(Vf, s.GroundX, s.GroundY);

    placeLineFromCentre(Lf, s.GroundX, s.GroundY);
    placeLineFromCentre(Lc, s.CurrentX, s.CurrentY);
    placeLineFromCentre(Lb, s.BoatX, s.BoatY);

    resumeNext([&] { s.Vmg = speedAsSingle(s.GroundX, s.GroundY, s.TwipsPerKnot); });

    resumeNext([&] { v.LabelText = readouts::speedText(s.GroundX, s.GroundY, s.TwipsPerKnot, numberLocale_); });
    resumeNext([&] { HeadingFromOffset(s.GroundX, s.GroundY, v.GroundHeading, v.Dx, v.Dy, s.Pi); });
    resumeNext([&] { COG.setCaption(readouts::vectorText(v.LabelText, v.GroundHeading)); });

    resumeNext([&] { v.LabelText = readouts::speedText(s.CurrentX, s.CurrentY, s.TwipsPerKnot, numberLocale_); });
    resumeNext([&] {
        if (readouts::showsASpeed(v.LabelText, numberLocale_))
            HeadingFromOffset(s.CurrentX, s.CurrentY, v.CurrentHeading, v.Dx, v.Dy, s.Pi);
    });
    resumeNext([&] { s.SegmentText = readouts::vectorText(v.LabelText, v.CurrentHeading); });
    resumeNext([&] { Flow.setCaption(readouts::vectorText(v.LabelText, v.CurrentHeading)); });

    resumeNext([&] { v.LabelText = readouts::speedText(s.BoatX, s.BoatY, s.TwipsPerKnot, numberLocale_); });
    resumeNext([&] { HeadingFromOffset(s.BoatX, s.BoatY, v.BoatHeading, v.Dx, v.Dy, s.Pi); });
    resumeNext([&] { Sail.setCaption(readouts::vectorText(v.LabelText, v.BoatHeading)); });
}
