#include "app/diagram_state.h"
#include "main_window/form1.h"

namespace {
constexpr std::int16_t LeftButtonAlone = 1;

double squared(double value) { return value * value; }
} // namespace

// Dragging has no start and no end: each move is judged where it lands. With
// the left button alone, inside the circle, it moves the boat spot if it is
// on it, else the current spot if on that, else sets the wind.
void Form1::form_MouseMove(std::int16_t Button, std::int16_t /*Shift*/, float X, float Y)
{
    DiagramState& s = state_;
    const float x = X - s.CenterX;
    const float y = Y - s.CenterY;
    // Written so that a position which is no number counts as outside.
    if (!(squared(x) + squared(y) <= squared(s.Radius)))
        return;
    s.SpotHit = false;
    if (Button != LeftButtonAlone)
        return;

    const auto drag = [&](toolkit::Shape& spot, float& vectorX, float& vectorY) {
        const double w = spot.width();
        if (s.SpotHit || squared(static_cast<double>(x) - vectorX) + squared(static_cast<double>(y) - vectorY) >= squared(w / 2))
            return;
        s.SpotHit = true;
        vectorX = x;
        spot.setLeft(static_cast<float>(static_cast<double>(s.CenterX) + x - w / 2));
        vectorY = y;
        spot.setTop(static_cast<float>(static_cast<double>(s.CenterY) + y - w / 2));
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
