#pragma once

#include <QPointF>
#include <QRegion>

namespace toolkit {

// Whether repainting `exposed` needs a segment drawn `width` pixels wide
// with round ends: some part of it, thickened by half its width and a pixel
// of antialiasing, falls in one of the exposed rectangles.
bool exposesSegment(const QRegion& exposed, QPointF from, QPointF to, double width);

} // namespace toolkit
