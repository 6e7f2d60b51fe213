#include "app/diagram_state.h"
#include "diagram/heading.h"
#include "diagram/readouts.h"
#include "diagram/resume_next.h"
#include "diagram/speed.h"
#include "main_window/form1.h"

#include <cmath>

using toolkit::toSingle;

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
            if (static_cast<double>(x) * x + static_cast<double>(y) * y != 0) {
                s.SegmentCount = toolkit::checkedInt16(s.SegmentCount + 1);
                v.SumCurrentX = toSingle(static_cast<double>(v.SumCurrentX) + x);
                v.SumCurrentY = toSingle(static_cast<double>(v.SumCurrentY) + y);
            }
        });
    }

    if (s.SegmentCount > 0) {
        resumeNext([&] { v.SumCurrentX = toSingle(v.SumCurrentX / static_cast<double>(s.SegmentCount)); });
        resumeNext([&] { v.SumCurrentY = toSingle(v.SumCurrentY / static_cast<double>(s.SegmentCount)); });
        resumeNext([&] { s.MeanCurrentSpeed = toSingle(speedInKnots(v.SumCurrentX, v.SumCurrentY, s.TwipsPerKnot)); });
        resumeNext([&] { HeadingFromOffset(v.SumCurrentX, v.SumCurrentY, s.MeanCurrentDir, v.Dx, v.Dy, s.Pi); });

        for (toolkit::LightControl* control : std::initializer_list<toolkit::LightControl*>{
                 &Vcmoyen, &Lcmoyen, &Vfmoyen, &Lfmoyen, &Label3, &Label4, &Label5, &Label6, &Shape4, &Shape5, &Shape6, &Shape7})
            resumeNext([&] { control->setVisible(true); });

        // Rebuilt from speed and bearing, so the line ends on the mean current.
        const double phi = s.Pi * static_cast<double>(s.MeanCurrentDir) / 180.0;
        resumeNext([&] { Lcmoyen.setY1(s.CenterY); });
        resumeNext([&] { Lcmoyen.setX1(s.CenterX); });
        resumeNext([&] { Lcmoyen.setY2(toSingle(s.CenterY - s.MeanCurrentSpeed * std::cos(phi) * s.TwipsPerKnot)); });
        resumeNext([&] { Lcmoyen.setX2(toSingle(s.CenterX + s.MeanCurrentSpeed * std::sin(phi) * s.TwipsPerKnot)); });
        resumeNext([&] { Vcmoyen.setTop(toSingle(Lcmoyen.y2() - Vcmoyen.height() / 2.0)); });
        resumeNext([&] { Vcmoyen.setLeft(toSingle(Lcmoyen.x2() - Vcmoyen.width() / 2.0)); });

        resumeNext([&] { v.MeanGroundX = toSingle(static_cast<double>(s.BoatX) + v.SumCurrentX); });
        resumeNext([&] { v.MeanGroundY = toSingle(static_cast<double>(s.BoatY) + v.SumCurrentY); });
        resumeNext([&] { s.MeanGroundSpeed = toSingle(speedInKnots(v.MeanGroundX, v.MeanGroundY, s.TwipsPerKnot)); });
        resumeNext([&] { HeadingFromOffset(v.MeanGroundX, v.MeanGroundY, s.MeanCog, v.Dx, v.Dy, s.Pi); });
        resumeNext([&] { COGMean.setVisible(true); });
        resumeNext([&] { COGMean.setCaption(readouts::meanCourseText(s.MeanGroundSpeed, s.MeanCog, numberLocale_)); });
        placeSpot(Vfmoyen, v.MeanGroundX, v.MeanGroundY);
        placeLineFromCentre(Lfmoyen, v.MeanGroundX, v.MeanGroundY);
    } else {
        for (toolkit::LightControl* control : std::initializer_list<toolkit::LightControl*>{
                 &Label3, &Label4, &Label5, &Label6, &Shape4, &Shape5, &Shape6, &Shape7, &Lcmoyen, &Vcmoyen, &Vfmoyen,
                 &Lfmoyen, &COGMean})
            resumeNext([&] { control->setVisible(false); });
        resumeNext([&] { Label3.setCaption(QString()); });
    }
}
