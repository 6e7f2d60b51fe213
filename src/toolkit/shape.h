#pragma once

#include "toolkit/light_control.h"

#include <QColor>

namespace toolkit {

enum class ShapeKind { Rectangle, Circle };
enum class Outline { Solid, Dashed, None };

// A rectangle, or a circle inscribed in its box, filled or hollow. The
// outline is drawn inside the box, so the box is what the shape covers.
class Shape : public LightControl {
public:
    Shape(Window& owner, ShapeKind kind) : LightControl(owner), kind_(kind) {}

    ShapeKind kind() const { return kind_; }

    float left() const { return left_; }
    float top() const { return top_; }
    float width() const { return width_; }
    float height() const { return height_; }
    void setLeft(float twips) { assign(left_, checkedCoordinate(twips)); }
    void setTop(float twips) { assign(top_, checkedCoordinate(twips)); }
    void setWidth(float twips) { assign(width_, checkedCoordinate(twips)); }
    void setHeight(float twips) { assign(height_, checkedCoordinate(twips)); }
    void setBox(float left, float top, float width, float height);

    // An invalid colour leaves the interior transparent.
    QColor fillColor() const { return fillColor_; }
    void setFillColor(const QColor& colour) { assign(fillColor_, colour); }

    QColor outlineColor() const { return outlineColor_; }
    Outline outline() const { return outline_; }
    int outlinePixels() const { return outlinePixels_; }
    void setOutline(Outline style, const QColor& colour = {}, int pixels = 1);

    void paint(QPainter& painter, const QRegion& exposed) const override;
    QRectF paintedArea() const override;

private:
    const ShapeKind kind_;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    QColor fillColor_;
    QColor outlineColor_;
    Outline outline_ = Outline::None;
    int outlinePixels_ = 1;
};

} // namespace toolkit
