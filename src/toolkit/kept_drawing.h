#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QRegion>

namespace toolkit {

// The pixels of one drawing, kept while it stays the same. A drawing made
// once onto a clear image and blended back gives exactly the pixels drawing
// it again gives, so a long line only partly exposed, where others cross
// it, costs a copy of that part instead of being stroked whole.
class KeptDrawing {
public:
    // Draws with draw(painter) everything within `bounds` (logical pixels).
    // `same` tells that the drawing is the one of the previous call: the
    // first time it is the same its pixels are kept, and from then on only
    // the exposed part of them is blended back. A changed drawing is drawn
    // directly and the kept pixels are let go.
    template <class Draw>
    void paint(QPainter& painter, const QRectF& bounds, bool same, const QRegion& exposed, Draw draw)
    {
        const double ratio = painter.device()->devicePixelRatioF();
        if (!same) {
            pixels_ = QImage();
            draw(painter);
            return;
        }
        if (pixels_.isNull() || pixels_.devicePixelRatio() != ratio) {
            const QRect device = QRectF(bounds.topLeft() * ratio, bounds.size() * ratio).toAlignedRect();
            pixels_ = QImage(device.size(), QImage::Format_ARGB32_Premultiplied);
            pixels_.setDevicePixelRatio(ratio);
            pixels_.fill(Qt::transparent);
            origin_ = QPointF(device.topLeft()) / ratio;
            QPainter layer(&pixels_);
            layer.setRenderHints(painter.renderHints());
            layer.translate(-origin_);
            draw(layer);
        }
        blend(painter, exposed);
    }

private:
    void blend(QPainter& painter, const QRegion& exposed) const;

    QImage pixels_;
    QPointF origin_; // where the kept pixels lie, on whole device pixels
};

} // namespace toolkit
