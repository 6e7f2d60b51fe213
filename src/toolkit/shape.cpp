#include "toolkit/shape.h"

#include "toolkit/device_pixels.h"
#include "toolkit/outline_band.h"
#include "toolkit/twips.h"

#include <QPainter>

#include <algorithm>

namespace toolkit {

void Shape::setOutline(Outline style, const QColor& colour, int pixels)
{
    assign(outline_, style);
    assign(outlineColor_, colour);
    assign(outlinePixels_, pixels);
}

void Shape::paint(QPainter& painter, const QRegion& exposed) const
{
    // Rectangles and their outlines sit on whole device pixels so their
    // edges are crisp; a circle keeps its exact place, as a spot glides with
    // the pointer.
    const bool rectangle = kind_ == ShapeKind::Rectangle;
    QRectF box = rectangle ? onDevicePixels(painter, wholePixelRect(left_, top_, width_, height_))
                           : pixelRect(left_, top_, width_, height_);
    const double width = rectangle ? deviceLineWidth(painter, outlinePixels_) : outlinePixels_;
    // A panel's or frame's outline lies along its edges, which a change
    // inside it does not expose.
    const bool outlined = outline_ != Outline::None && (!rectangle || exposesOutline(exposed, box, width));
    if (rectangle && outline_ != Outline::Dashed) {
        if (fillColor_.isValid())
            painter.fillRect(box, fillColor_);
        if (outlined)
            paintFrame(painter, box, width, outlineColor_);
        return;
    }
    if (!outlined && !fillColor_.isValid())
        return;
    if (!rectangle) {
        const double side = std::min(box.width(), box.height());
        box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    const double inset = outline_ == Outline::None ? 0.0 : width / 2;
    const QRectF drawn = box.adjusted(inset, inset, -inset, -inset);

    if (!outlined) {
        painter.setPen(Qt::NoPen);
    } else {
        QPen pen(outlineColor_, width, outline_ == Outline::Dashed ? Qt::DashLine : Qt::SolidLine);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
    }
    painter.setBrush(fillColor_.isValid() ? QBrush(fillColor_) : QBrush(Qt::NoBrush));
    if (!rectangle)
        painter.drawEllipse(drawn);
    else
        painter.drawRect(drawn);
}

QRectF Shape::paintedArea() const { return pixelRect(left_, top_, width_, height_).adjusted(-1, -1, 1, 1); }

} // namespace toolkit
