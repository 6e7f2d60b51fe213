#include "toolkit/outline_band.h"

#include <algorithm>
#include <cmath>

namespace toolkit {

bool exposesOutline(const QRegion& exposed, const QRectF& box, double width)
{
    const QRect outer = box.toAlignedRect();
    // The whole pixels inside the band's inner edge.
    const int innerLeft = static_cast<int>(std::ceil(box.left() + width));
    const int innerTop = static_cast<int>(std::ceil(box.top() + width));
    const int innerRight = static_cast<int>(std::floor(box.right() - width));
    const int innerBottom = static_cast<int>(std::floor(box.bottom() - width));
    if (innerRight <= innerLeft || innerBottom <= innerTop)
        return exposed.intersects(outer);

    const QRect top(QPoint(outer.left(), outer.top()), QPoint(outer.right(), innerTop - 1));
    const QRect bottom(QPoint(outer.left(), innerBottom), QPoint(outer.right(), outer.bottom()));
    const QRect left(QPoint(outer.left(), innerTop), QPoint(innerLeft - 1, innerBottom - 1));
    const QRect right(QPoint(innerRight, innerTop), QPoint(outer.right(), innerBottom - 1));
    return exposed.intersects(top) || exposed.intersects(bottom) || exposed.intersects(left)
        || exposed.intersects(right);
}

namespace {
// Liang-Barsky: whether the segment keeps some length inside the rectangle.
bool segmentCrosses(QPointF from, QPointF to, const QRectF& area)
{
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    double enter = 0;
    double leave = 1;
    const auto clip = [&](double towards, double room) {
        if (towards == 0)
            return room >= 0;
        const double t = room / towards;
        if (towards < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        return enter <= leave;
    };
    return clip(-dx, from.x() - area.left()) && clip(dx, area.right() - from.x()) && clip(-dy, from.y() - area.top())
        && clip(dy, area.bottom() - from.y());
}
} // namespace

bool exposesSegment(const QRegion& exposed, QPointF from, QPointF to, double width)
{
    const double margin = width / 2 + 1;
    for (const QRect& area : exposed)
        if (segmentCrosses(from, to, QRectF(area).adjusted(-margin, -margin, margin, margin)))
            return true;
    return false;
}

} // namespace toolkit
