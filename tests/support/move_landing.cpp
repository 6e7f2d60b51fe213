#include "support/move_landing.h"

#include "main_window/form1.h"
#include "support/diagram_events.h"
#include "support/form_controls.h"
#include "toolkit/twips.h"

#include <cmath>

namespace {
double squared(double value) { return value * value; }
} // namespace

const char* nameOf(Moved moved)
{
    switch (moved) {
    case Moved::Nothing: return "nothing";
    case Moved::Boat: return "the boat";
    case Moved::Current: return "the current";
    case Moved::Wind: return "the wind";
    }
    return "";
}

bool operator==(Offset a, Offset b) { return a.x == b.x && a.y == b.y; }

QString text(Offset o) { return QStringLiteral("(%1, %2)").arg(o.x, 0, 'g', 9).arg(o.y, 0, 'g', 9); }

Landing landingOf(const PointerMove& move, const Form1& form, const DiagramState& s)
{
    Landing landing;
    if (move.overHelp)
        return landing;
    const QPoint under(static_cast<int>(std::floor(move.pixel.x())), static_cast<int>(std::floor(move.pixel.y())));
    // Buttons and enabled labels take the pointer for themselves, also
    // from a drag that started on the window.
    if (form.childAt(under))
        return landing;
    for (const toolkit::Label* label : labelsOf(form))
        if (label->visible() && label->takesPointerAt(move.pixel))
            return landing;

    landing.at = {toolkit::toTwips(move.pixel.x()) - s.CenterX, toolkit::toTwips(move.pixel.y()) - s.CenterY};
    const double x = landing.at.x, y = landing.at.y;
    if (squared(x) + squared(y) > squared(s.Radius))
        return landing;
    if ((move.buttons & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)) != Qt::LeftButton)
        return landing;
    const auto onSpot = [&](const toolkit::Shape& spot, float spotX, float spotY) {
        return squared(x - spotX) + squared(y - spotY) < squared(spot.width() / 2.0);
    };
    landing.moved = onSpot(form.Vb, s.BoatX, s.BoatY)           ? Moved::Boat
                    : onSpot(form.Vc, s.CurrentX, s.CurrentY) ? Moved::Current
                                                              : Moved::Wind;
    return landing;
}

