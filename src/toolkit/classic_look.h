#pragma once

#include <QColor>
#include <QRect>

class QPainter;
class QString;

namespace toolkit {

// How a push button shows at one moment.
struct ButtonState {
    QColor face;      // the background colour, shown flat and exact
    QColor text;      // the caption's colour, and the focus rectangle's
    bool down = false; // pressed: the face sinks
    bool focused = false;
};

// A push button in the classic raised style, in `box` (logical pixels): a
// dark outer line, a light bevel at the top and left and a shadow at the
// bottom and right, the face in its colour, the caption centred in the
// painter's font, and a dotted focus rectangle inside when it has the focus.
// Pressed, a shadow runs all round and the caption moves a pixel down and
// right. Every edge lies on whole device pixels.
void paintClassicButton(QPainter& painter, const QRect& box, const ButtonState& state, const QString& caption);

// The keyboard focus: every other pixel of a one-pixel rectangle lying just
// inside `box`, on whole device pixels.
void paintFocusRectangle(QPainter& painter, const QRectF& box, const QColor& colour);
// The same dots, black on a white line, for a focus shown on a surface of
// any colour.
void paintFocusRing(QPainter& painter, const QRectF& box);

} // namespace toolkit
