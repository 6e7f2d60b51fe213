#include "diagram/diagram_state.h"
#include "diagram/vectors.h"
#include "main_window/form1.h"

namespace {
constexpr std::int16_t LeftButtonAlone = 1;
} // namespace

// A spot's vector set, and the spot moved there at once.
void Form1::moveSpot(toolkit::Shape& spot, float& vectorX, float& vectorY, float x, float y)
{
    const DiagramState& s = state_;
    const double w = spot.width();
    vectorX = x;
    spot.setLeft(static_cast<float>(spotEdge(s.CenterX, x, w)));
    vectorY = y;
    spot.setTop(static_cast<float>(spotEdge(s.CenterY, y, w)));
}

// Dragging has no start and no end: each move is judged where it lands. With
// the left button alone, inside the circle, it moves the boat spot if it is
// on it, else the current spot if on that, else sets the wind.
void Form1::form_MouseMove(std::int16_t Button, std::int16_t /*Shift*/, float X, float Y)
{
    DiagramState& s = state_;
    const float x = X - s.CenterX;
    const float y = Y - s.CenterY;
    if (!insideCircle(x, y, s.Radius))
        return;
    s.SpotHit = false;
    if (Button != LeftButtonAlone)
        return;

    const auto drag = [&](toolkit::Shape& spot, float& vectorX, float& vectorY) {
        if (s.SpotHit || farFromSpot(x, y, vectorX, vectorY, spot.width()))
            return;
        s.SpotHit = true;
        moveSpot(spot, vectorX, vectorY, x, y);
        Calcul();
    };
    drag(Vb, s.BoatX, s.BoatY);
    drag(Vc, s.CurrentX, s.CurrentY);

    if (!s.SpotHit) {
        s.SpotHit = true;
        s.WindX = x;
        s.WindY = y;
        Calcul();
    }
}
