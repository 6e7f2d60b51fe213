// The keyboard on the diagram: the boat, the current and the wind take the
// focus after the buttons, then what they give, and their keys move them by
// exact steps of what their readouts show. A key changes the diagram state
// as a drag does and calls Calcul; a screen reader then hears the result.
#include "diagram/diagram_state.h"
#include "diagram/spot_steps.h"
#include "main_window/form1.h"
#include "toolkit/announcement.h"

#include <QGuiApplication>

#include <optional>

using spot_steps::Step;

namespace {
constexpr int ShiftMask = 1;

// Up and Down a tenth of a knot, Page Up and Page Down a knot, Right and
// Left a degree clockwise and anticlockwise, with Shift ten. Keys held with
// Control or Alt belong to the desktop and the screen reader.
std::optional<Step> stepFor(int KeyCode, int Shift)
{
    if (Shift & ~ShiftMask)
        return std::nullopt;
    const bool much = Shift & ShiftMask;
    switch (KeyCode) {
    case Qt::Key_Up: return Step::Faster;
    case Qt::Key_Down: return Step::Slower;
    case Qt::Key_PageUp: return Step::MuchFaster;
    case Qt::Key_PageDown: return Step::MuchSlower;
    case Qt::Key_Right: return much ? Step::MuchClockwise : Step::Clockwise;
    case Qt::Key_Left: return much ? Step::MuchAnticlockwise : Step::Anticlockwise;
    default: return std::nullopt;
    }
}

// While a pointer button is held the drag owns the spots: a key then would
// move one spot while the pointer moves another.
bool dragging() { return QGuiApplication::mouseButtons() != Qt::NoButton; }
} // namespace

void Form1::designKeyboard()
{
    int tabPosition = 68; // after the last hour's erase button
    using Stops = std::initializer_list<toolkit::WindowlessControl*>;
    for (toolkit::WindowlessControl* stop : Stops{&Vb, &Vc, &Lv1, &Vf, &Vcmoyen, &Vfmoyen})
        stop->setTabPosition(tabPosition++);
    Vb.onKeyDown = undoable<int, int>("Vb_KeyDown", [this](int key, int shift) { Vb_KeyDown(key, shift); });
    Vc.onKeyDown = undoable<int, int>("Vc_KeyDown", [this](int key, int shift) { Vc_KeyDown(key, shift); });
    Lv1.onKeyDown = undoable<int, int>("Lv1_KeyDown", [this](int key, int shift) { Lv1_KeyDown(key, shift); });
    describeResults();
}

void Form1::Vb_KeyDown(int KeyCode, int Shift)
{
    stepSpot(Vb, state_.BoatX, state_.BoatY, var.BoatHeading, KeyCode, Shift);
}

void Form1::Vc_KeyDown(int KeyCode, int Shift)
{
    stepSpot(Vc, state_.CurrentX, state_.CurrentY, var.CurrentHeading, KeyCode, Shift);
}

void Form1::stepSpot(toolkit::Shape& spot, float& vectorX, float& vectorY, std::int16_t heading, int KeyCode, int Shift)
{
    const std::optional<Step> step = stepFor(KeyCode, Shift);
    if (!step || dragging())
        return;
    const DiagramState& s = state_;
    const spot_steps::Shown shown{spot_steps::shownTenths(vectorX, vectorY, s.TwipsPerKnot), heading};
    const spot_steps::Offset to =
        spot_steps::offsetShowing(spot_steps::stepped(shown, *step, s.ScaleKnots), s.TwipsPerKnot, s.Radius, s.Pi);
    moveSpot(spot, vectorX, vectorY, to.x, to.y);
    Calcul();
    toolkit::announceFrom(*this, [&] { return spotInWords(spot) + QStringLiteral(". ") + spotInWords(Vf); });
}

// The wind point's distance carries no meaning: it only turns.
void Form1::Lv1_KeyDown(int KeyCode, int Shift)
{
    const std::optional<Step> step = stepFor(KeyCode, Shift);
    if (!step || !spot_steps::turns(*step) || dragging())
        return;
    DiagramState& s = state_;
    const spot_steps::Offset to = spot_steps::windTurned(s.WindX, s.WindY, var.WindDir, *step, s.Pi);
    s.WindX = to.x;
    s.WindY = to.y;
    Calcul();
    toolkit::announceFrom(*this, [&] { return Lv1.accessibleName() + QStringLiteral(", ") + windInWords(); });
}
