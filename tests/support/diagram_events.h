#pragma once

#include <QPointF>
#include <QString>
#include <Qt>

#include <variant>

class Form1;

// The things a user can do to the tool, as the platform delivers them.

// A pointer move at a position in logical pixels (any position, far outside
// the window too), with any buttons held, on the main window or on the help
// window while it is open. A grabbed move goes to the window whatever lies
// under the pointer, as after a press on the window's own surface.
struct PointerMove {
    QPointF pixel;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
    bool overHelp = false;
    bool grabbed = false;
};
struct ScaleClick {
    int index;
};
struct HourClick {
    int index;
};
struct EraseClick {
    int index;
};
struct HelpClick {};
// The help window's close box; nothing happens while it is not open.
struct HelpClose {};

using DiagramEvent = std::variant<PointerMove, ScaleClick, HourClick, EraseClick, HelpClick, HelpClose>;

// Delivers the event through Qt's event dispatch: a move goes to the widget
// under the pointer, or to the window where there is none, and travels up as
// Qt passes on what a widget ignores; a click is a press and a release of
// the left button on the button itself; a close request goes to the help
// window's platform window, and what it leaves to delete is deleted, as the
// event loop does once the event is handled.
void deliver(Form1& form, const DiagramEvent& event);

// One line for a failure message.
QString describe(const DiagramEvent& event);
