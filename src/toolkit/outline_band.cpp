#include "toolkit/outline_band.h"

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

} // namespace toolkit
