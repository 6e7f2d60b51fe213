#include "toolkit/device_pixels.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace toolkit {

QRectF onDevicePixels(const QPainter& painter, const QRectF& logical)
{
    // Scale and translation only: widgets are never rotated.
    const QTransform toDevice = painter.deviceTransform();
    const QRectF device = toDevice.mapRect(logical);
    const QRectF snapped(QPointF(std::round(device.left()), std::round(device.top())),
                         QPointF(std::round(device.right()), std::round(device.bottom())));
    return toDevice.inverted().mapRect(snapped);
}

double deviceLineWidth(const QPainter& painter, double logicalPixels)
{
    const double ratio = painter.deviceTransform().m11();
    const double devicePixels = std::max(1.0, std::ceil(logicalPixels * ratio - 0.5));
    return devicePixels / ratio;
}

} // namespace toolkit
