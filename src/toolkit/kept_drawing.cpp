#include "toolkit/kept_drawing.h"

#include <cmath>

namespace toolkit {

void KeptDrawing::blend(QPainter& painter, const QRegion& exposed) const
{
    const double ratio = pixels_.devicePixelRatio();
    const QRectF kept(origin_, QSizeF(pixels_.size()) / ratio);
    const auto copy = [&](const QRect& source) {
        painter.drawImage(QRectF(origin_ + QPointF(source.topLeft()) / ratio, QSizeF(source.size()) / ratio), pixels_,
                          source);
    };
    // Whole kept pixels, copied as they are. Between whole ratios a logical
    // pixel's edge cuts device pixels, which Qt would resample and which two
    // exposed rectangles would both blend: there each is blended once.
    const bool whole = ratio == std::floor(ratio);
    QRegion cut;
    for (const QRect& area : exposed) {
        const QRectF part = kept & QRectF(area);
        if (part.isEmpty())
            continue;
        const QRect source = QRectF((part.topLeft() - origin_) * ratio, part.size() * ratio).toAlignedRect();
        if (whole)
            copy(source);
        else
            cut += source & pixels_.rect();
    }
    for (const QRect& source : cut)
        copy(source);
}

} // namespace toolkit
