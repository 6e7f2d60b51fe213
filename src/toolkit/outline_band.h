#pragma once

#include <QRectF>
#include <QRegion>

namespace toolkit {

// Whether repainting `exposed` needs an outline drawn: an outline `width`
// logical pixels wide just inside `box`, antialiased or not, changes only
// pixels that overlap the band between the box and the box shrunk by that
// width, so leaving it out when this is false changes no pixel.
bool exposesOutline(const QRegion& exposed, const QRectF& box, double width);

} // namespace toolkit
