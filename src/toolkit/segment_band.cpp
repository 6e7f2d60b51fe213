#include "toolkit/segment_band.h"

#include <QRectF>

#include <algorithm>

namespace toolkit {

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
