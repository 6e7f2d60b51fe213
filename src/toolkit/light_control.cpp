#include "toolkit/light_control.h"

#include "numbers/runtime_error.h"
#include "toolkit/window.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace toolkit {

void LightControl::setVisible(bool visible)
{
    if (visible_ == visible)
        return;
    visible_ = visible;
    invalidate(paintedArea());
}

float LightControl::checkedCoordinate(float twips)
{
    if (!std::isfinite(twips))
        throw numbers::RuntimeError(numbers::ErrorKind::InvalidPropertyValue, "Invalid property value");
    return twips;
}

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
