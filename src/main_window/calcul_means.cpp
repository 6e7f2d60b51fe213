#include "diagram/bearing.h"
#include "diagram/diagram_state.h"
#include "diagram/heading.h"
#include "diagram/readouts.h"
#include "diagram/vectors.h"
#include "main_window/form1.h"
#include "numbers/resume_next.h"

using numbers::resumeNext;
using numbers::toSingle;

// The mean of the recorded hours' currents, and the boat plus that mean: the
// one ground track that holds for the whole passage. Every call rescans all
// the records, so the mean ground track follows each move of the boat.
void Form1::CalculMeans()
{
    DiagramState& s = state_;
    Form1Variables& v = var;

    v.SumCurrentX = 0;
    v.SumCurrentY = 0;
    s.SegmentCount = 0;
    const std::int16_t lastSegment = s.LastSegment;
    for (std::int16_t SegIndex = 0; SegIndex <= lastSegment; ++SegIndex) {
        resumeNext([&] {
            const auto i = static_cast<std::size_t>(SegIndex);
            const float x = s.SegCurrentX.at(i);
            const float y = s.SegCurrentY.at(i);
            if (isRecorded(x, y)) {
                s.SegmentCount = numbers::checkedInt16(s.SegmentCount + 1);
                v.SumCurrentX = singleSum(v.SumCurrentX, x);
                v.SumCurrentY = singleSum(v.SumCurrentY, y);
            }
        });
    }

    if (s.SegmentCount > 0) {
        resumeNext([&] { v.SumCurrentX = meanOf(v.SumCurrentX, s.SegmentCount); });
        resumeNext([&] { v.SumCurrentY = meanOf(v.SumCurrentY, s.SegmentCount); });
        resumeNext([&] { s.MeanCurrentSpeed = speedAsSingle(v.SumCurrentX, v.SumCurrentY, s.TwipsPerKnot); });
        resumeNext([&] { HeadingFromOffset(v.SumCurrentX, v.SumCurrentY, s.MeanCurrentDir, v.Dx, v.Dy, s.Pi); });

        for (toolkit::WindowlessControl* control : meanDisplay_)
            resumeNext([&] { control->setVisible(true); });

        // Rebuilt from speed and bearing, so the line ends on the mean current.
        const BearingEnd end =
            endOfBearing(s.CenterX, s.CenterY, bearingOf(s.MeanCurrentDir, s.Pi), s.MeanCurrentSpeed, s.TwipsPerKnot);
        resumeNext([&] { Lcmoyen.setY1(s.CenterY); });
        resumeNext([&] { Lcmoyen.setX1(s.CenterX); });
        resumeNext([&] { Lcmoyen.setY2(toSingle(end.y)); });
        resumeNext([&] { Lcmoyen.setX2(toSingle(end.x)); });
        resumeNext([&] { Vcmoyen.setTop(toSingle(centredEdge(Lcmoyen.y2(), Vcmoyen.height()))); });
        resumeNext([&] { Vcmoyen.setLeft(toSingle(centredEdge(Lcmoyen.x2(), Vcmoyen.width()))); });

        resumeNext([&] { v.MeanGroundX = singleSum(s.BoatX, v.SumCurrentX); });
        resumeNext([&] { v.MeanGroundY = singleSum(s.BoatY, v.SumCurrentY); });
        resumeNext([&] { s.MeanGroundSpeed = speedAsSingle(v.MeanGroundX, v.MeanGroundY, s.TwipsPerKnot); });
        resumeNext([&] { HeadingFromOffset(v.MeanGroundX, v.MeanGroundY, s.MeanCog, v.Dx, v.Dy, s.Pi); });
        resumeNext([&] { COGMean.setVisible(true); });
        resumeNext([&] { COGMean.setCaption(readouts::meanCourseText(s.MeanGroundSpeed, s.MeanCog, numberLocale_)); });
        placeSpot(Vfmoyen, v.MeanGroundX, v.MeanGroundY);
        placeLineFromCentre(Lfmoyen, v.MeanGroundX, v.MeanGroundY);
    } else {
        for (toolkit::WindowlessControl* control : meanDisplay_)
            resumeNext([&] { control->setVisible(false); });
        resumeNext([&] { COGMean.setVisible(false); });
        resumeNext([&] { Label3.setCaption(QString()); });
    }
}
