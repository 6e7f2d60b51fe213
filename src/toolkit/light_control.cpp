#include "toolkit/light_control.h"

#include "toolkit/twips.h"
#include "toolkit/window.h"

#include <QPainter>
#include <QPainterPath>

namespace toolkit {

void LightControl::setVisible(bool visible)
{
    if (visible_ == visible)
        return;
    visible_ = visible;
    invalidate(paintedArea());
}

float LightControl::checkedCoordinate(float twips) { return checkedTwips(twips); }

void LightControl::paintFrame(QPainter& painter, const QRectF& box, double pixels, const QColor& colour)
{
    QPainterPath frame;
    frame.addRect(box);
    frame.addRect(box.adjusted(pixels, pixels, -pixels, -pixels));
    painter.fillPath(frame, colour); // odd-even: the ring between the two
}

void LightControl::invalidate(const QRectF& area) { owner_.invalidatePixels(area); }

void LightControl::invalidateWholePixels(const QRect& pixels) { owner_.invalidateWholePixels(pixels); }

} // namespace toolkit
