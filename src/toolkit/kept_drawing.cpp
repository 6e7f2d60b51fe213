#include "toolkit/kept_drawing.h"

namespace toolkit {

void KeptDrawing::blend(QPainter& painter, const QRegion& exposed) const
{
    const double ratio = pixels_.devicePixelRatio();
    const QRectF kept(origin_, QSizeF(pixels_.size()) / ratio);
    for (const QRect& area : exposed) {
        const QRectF part = kept & QRectF(area);
        if (!part.isEmpty())
            painter.drawImage(part, pixels_, QRectF((part.topLeft() - origin_) * ratio, part.size() * ratio));
    }
}

} // namespace toolkit
