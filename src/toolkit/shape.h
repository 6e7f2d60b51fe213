#pragma once

#include "toolkit/boxed_control.h"

#include <QColor>

namespace toolkit {

enum class ShapeKind { Rectangle, Circle };
enum class Outline { Solid, Dashed, None };

// A rectangle, or a circle inscribed in its box, filled or hollow. The
// outline is drawn inside the box, so the box is what the shape covers.
class Shape : public BoxedControl {
public:
    Shape(Window& owner, ShapeKind kind) : BoxedControl(owner), kind_(kind) {}

    // An invalid colour leaves the interior transparent.
    QColor fillColor() const { return fillColor_; }
    void setFillColor(const QColor& colour) { assign(fillColor_, colour); }

    QColor outlineColor() const { return outlineColor_; }
    void setOutline(Outline style, const QColor& colour = {}, int pixels = 1);

    void paint(QPainter& painter, const QRegion& exposed) const override;
    QRectF paintedArea() const override;

private:
    const ShapeKind kind_;
    QColor fillColor_;
    QColor outlineColor_;
    Outline outline_ = Outline::None;
    int outlinePixels_ = 1;
};

} // namespace toolkit
