#pragma once

#include "toolkit/windowless_control.h"
#include "toolkit/twips.h"

namespace toolkit {

// A windowless control that covers a box given in twips.
class BoxedControl : public WindowlessControl {
public:
    using WindowlessControl::WindowlessControl;

    float left() const { return left_; }
    float top() const { return top_; }
    float width() const { return width_; }
    float height() const { return height_; }
    void setLeft(float twips) { assign(left_, checkedTwips(twips)); }
    void setTop(float twips) { assign(top_, checkedTwips(twips)); }
    void setWidth(float twips) { assign(width_, checkedTwips(twips)); }
    void setHeight(float twips) { assign(height_, checkedTwips(twips)); }
    void setBox(float left, float top, float width, float height)
    {
        setLeft(left);
        setTop(top);
        setWidth(width);
        setHeight(height);
    }

    QRectF accessibleArea() const override { return pixelRect(left_, top_, width_, height_); }

protected:
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

} // namespace toolkit
