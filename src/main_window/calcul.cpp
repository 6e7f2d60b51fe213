#include "diagram/diagram_state.h"
#include "diagram/vectors.h"
#include "main_window/form1.h"
#include "numbers/resume_next.h"

using numbers::resumeNext;
using numbers::toSingle;

// Recomputes everything from the diagram state and rewrites every spot,
// line and readout; nothing is kept from one call to the next but the
// headings of vectors with no length, or of a current too weak to show a
// speed.
void Form1::Calcul()
{
    if (calculWatch)
        calculWatch(CalculMoment::Begins);
    CalculVectorTriangle();
    CalculWind();
    CalculMeans();
    if (calculWatch)
        calculWatch(CalculMoment::Ends);
}

void Form1::placeSpot(toolkit::Shape& spot, float x, float y)
{
    const DiagramState& s = state_;
    resumeNext([&] { spot.setLeft(toSingle(spotEdge(s.CenterX, x, spot.width()))); });
    resumeNext([&] { spot.setTop(toSingle(spotEdge(s.CenterY, y, spot.width()))); });
}

void Form1::placeLineFromCentre(toolkit::Line& line, float x, float y)
{
    const DiagramState& s = state_;
    resumeNext([&] { line.setVisible(true); });
    resumeNext([&] { line.setX1(s.CenterX); });
    resumeNext([&] { line.setY1(s.CenterY); });
    resumeNext([&] { line.setX2(singleSum(s.CenterX, x)); });
    resumeNext([&] { line.setY2(singleSum(s.CenterY, y)); });
}
