#pragma once

#include <QPointF>
#include <QString>
#include <Qt>

#include <variant>

class Form1;

// The things a user can do to the tool, as the platform delivers them.

// A pointer move at a position in the main window's logical pixels (any
// position, far outside the window too), with any buttons held.
struct PointerMove {
    QPointF pixel;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
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

using DiagramEvent = std::variant<PointerMove, ScaleClick, HourClick, EraseClick>;

// Delivers the event through Qt's event dispatch: a move goes to the widget
// under the pointer, or to the window where there is none, and travels up as
// Qt passes on what a widget ignores; a click is a press and a release of
// the left button on the button itself.
void deliver(Form1& form, const DiagramEvent& event);

// One line for a failure message.
QString describe(const DiagramEvent& event);
