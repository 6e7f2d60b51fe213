#pragma once

#include "toolkit/kept_drawing.h"
#include "toolkit/twips.h"
#include "toolkit/windowless_control.h"

#include <QColor>
#include <QPen>

namespace toolkit {

// A straight segment between two points given in twips.
class Line : public WindowlessControl {
public:
    explicit Line(Window& owner) : WindowlessControl(owner) {}

    float x1() const { return x1_; }
    float y1() const { return y1_; }
    float x2() const { return x2_; }
    float y2() const { return y2_; }
    void setX1(float twips) { assign(x1_, checkedTwips(twips)); }
    void setY1(float twips) { assign(y1_, checkedTwips(twips)); }
    void setX2(float twips) { assign(x2_, checkedTwips(twips)); }
    void setY2(float twips) { assign(y2_, checkedTwips(twips)); }
    void setEnds(float x1, float y1, float x2, float y2);

    void setColor(const QColor& colour) { assign(color_, colour); }
    void setPixels(int pixels) { assign(pixels_, pixels); }

    // What a line is drawn with: solid, with round ends or, one pixel wide,
    // ends that look the same.
    static QPen pen(const QColor& colour, int pixels);

    void paint(QPainter& painter, const QRegion& exposed) const override;
    QRectF paintedArea() const override;
    // A line's focus is shown around its far end.
    QRectF focusArea() const override;

private:
    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    QColor color_;
    int pixels_ = 1;

    // The line as last painted: one that stays put while others move across
    // it is blended back from its kept pixels.
    struct Look {
        float x1, y1, x2, y2;
        QColor colour;
        int pixels;
        bool operator==(const Look&) const = default;
    };
    mutable Look lastPainted_{};
    mutable KeptDrawing kept_;
};

} // namespace toolkit
