#pragma once

#include <QColor>
#include <QImage>
#include <QRegion>
#include <QSize>

#include <vector>

class QPainter;

namespace toolkit {

// What a window draws once and keeps: circles and lines in twips, kept as an
// image at the screen's density and blitted beneath the controls on every
// paint. The figures are remembered too, so a move to a screen of another
// density redraws them sharp.
class PersistentSurface {
public:
    void clear(const QColor& background);
    void drawCircle(float centreX, float centreY, float radius, const QColor& colour);
    void drawLine(float x1, float y1, float x2, float y2, const QColor& colour);

    // Blits what is exposed of the surface onto a window of this logical
    // size and density, or all of it.
    void paint(QPainter& painter, QSize logicalSize, double devicePixelRatio, const QRegion& exposed);
    void paint(QPainter& painter, QSize logicalSize, double devicePixelRatio)
    {
        paint(painter, logicalSize, devicePixelRatio, QRegion(QRect(QPoint(), logicalSize)));
    }

    struct Figure {
        enum class Kind { Circle, Line } kind;
        float a, b, c, d; // circle: centre x, centre y, radius; line: x1, y1, x2, y2
        QColor colour;
    };
    const std::vector<Figure>& figures() const { return figures_; }

private:
    void render(QSize logicalSize, double devicePixelRatio);
    void draw(const Figure& figure);

    QColor background_;
    std::vector<Figure> figures_;
    QImage image_;
};

} // namespace toolkit
