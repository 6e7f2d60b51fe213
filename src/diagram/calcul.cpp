#include "app/diagram_state.h"
#include "diagram/resume_next.h"
#include "main_window/form1.h"

using toolkit::toSingle;

// Recomputes everything from the diagram state and rewrites every control;
// nothing is kept from one call to the next but the headings of vectors with
// no length, or of a current too weak to show a speed.
void Form1::Calcul()
{
    CalculVectorTriangle();
    CalculWind();
    CalculMeans();
}

void Form1::placeSpot(toolkit::Shape& spot, float x, float y)
{
    const DiagramState& s = state_;
    resumeNext([&] { spot.setLeft(toSingle(static_cast<double>(x) + s.CenterX - spot.width() / 2.0)); });
    resumeNext([&] { spot.setTop(toSingle(static_cast<double>(y) + s.CenterY - spot.width() / 2.0)); });
}

void Form1::placeLineFromCentre(toolkit::Line& line, float x, float y)
{
    const DiagramState& s = state_;
    resumeNext([&] { line.setVisible(true); });
    resumeNext([&] { line.setX1(s.CenterX); });
    resumeNext([&] { line.setY1(s.CenterY); });
    resumeNext([&] { line.setX2(toSingle(static_cast<double>(s.CenterX) + x)); });
    resumeNext([&] { line.setY2(toSingle(static_cast<double>(s.CenterY) + y)); });
}
