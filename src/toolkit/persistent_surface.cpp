#include "toolkit/persistent_surface.h"

#include "toolkit/twips.h"

#include <QPainter>

namespace toolkit {

void PersistentSurface::clear(const QColor& background)
{
    background_ = background;
    figures_.clear();
    if (!image_.isNull())
        image_.fill(background_);
}

void PersistentSurface::drawCircle(float centreX, float centreY, float radius, const QColor& colour)
{
    figures_.push_back({Figure::Kind::Circle, centreX, centreY, radius, 0, colour});
    draw(figures_.back());
}

void PersistentSurface::drawLine(float x1, float y1, float x2, float y2, const QColor& colour)
{
    figures_.push_back({Figure::Kind::Line, x1, y1, x2, y2, colour});
    draw(figures_.back());
}

void PersistentSurface::paint(QPainter& painter, QSize logicalSize, double devicePixelRatio, const QRegion& exposed)
{
    if (image_.isNull() || image_.devicePixelRatio() != devicePixelRatio
        || image_.size() != logicalSize * devicePixelRatio)
        render(logicalSize, devicePixelRatio);
    // Rectangle by rectangle, each a plain copy of the image at the
    // window's density: through a many-sided clip, or from a part of the
    // image, Qt blends pixel by pixel instead.
    for (const QRect& area : exposed) {
        painter.setClipRect(area);
        painter.drawImage(QPointF(0, 0), image_);
    }
    painter.setClipping(false);
}

void PersistentSurface::render(QSize logicalSize, double devicePixelRatio)
{
    image_ = QImage(logicalSize * devicePixelRatio, QImage::Format_RGB32);
    image_.setDevicePixelRatio(devicePixelRatio);
    image_.fill(background_);
    for (const Figure& figure : figures_)
        draw(figure);
}

void PersistentSurface::draw(const Figure& figure)
{
    if (image_.isNull())
        return; // drawn when the surface first meets its window
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(figure.colour, 1.0));
    painter.setBrush(Qt::NoBrush);
    if (figure.kind == Figure::Kind::Circle) {
        const double radius = toPixels(figure.c);
        painter.drawEllipse(pixelPoint(figure.a, figure.b), radius, radius);
    } else {
        painter.drawLine(pixelPoint(figure.a, figure.b), pixelPoint(figure.c, figure.d));
    }
}

} // namespace toolkit
