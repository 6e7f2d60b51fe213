#include "toolkit/line.h"

#include "toolkit/segment_band.h"
#include "toolkit/twips.h"

#include <QPainter>

namespace toolkit {

void Line::setEnds(float x1, float y1, float x2, float y2)
{
    setX1(x1);
    setY1(y1);
    setX2(x2);
    setY2(y2);
}

void Line::paint(QPainter& painter, const QRegion& exposed) const
{
    const QPointF from = pixelPoint(x1_, y1_);
    const QPointF to = pixelPoint(x2_, y2_);
    // A slanting line's box holds much that the line never crosses.
    if (!exposesSegment(exposed, from, to, pixels_))
        return;
    const Look look{x1_, y1_, x2_, y2_, color_, pixels_};
    const bool same = look == lastPainted_;
    lastPainted_ = look;
    kept_.paint(painter, paintedArea(), same, exposed, [&](QPainter& onto) {
        onto.setPen(pen(color_, pixels_));
        onto.drawLine(from, to);
    });
}

QPen Line::pen(const QColor& colour, int pixels)
{
    // A one-pixel pen's square ends are drawn exactly as its round ones at
    // the screen's own density. At a higher density they differ by under a
    // device pixel, and Qt draws them several times faster: round ends go
    // through its general path filler, which would cost most of a drag.
    return QPen(colour, pixels, Qt::SolidLine, pixels > 1 ? Qt::RoundCap : Qt::SquareCap);
}

QRectF Line::paintedArea() const
{
    const double margin = pixels_ + 1.0;
    return QRectF(pixelPoint(x1_, y1_), pixelPoint(x2_, y2_)).normalized().adjusted(-margin, -margin, margin, margin);
}

QRectF Line::focusArea() const
{
    constexpr double half = 6;
    const QPointF end = pixelPoint(x2_, y2_);
    return {end.x() - half, end.y() - half, 2 * half, 2 * half};
}

} // namespace toolkit
