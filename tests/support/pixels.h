#pragma once

#include "toolkit/twips.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <cmath>
#include <functional>
#include <vector>

// The window as the user sees it, at one image pixel per logical pixel.
inline QImage renderWindow(QWidget& window)
{
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The colour at a point given in twips.
inline QColor pixelAtTwips(const QImage& image, double x, double y)
{
    return image.pixelColor(static_cast<int>(toolkit::toPixels(x)), static_cast<int>(toolkit::toPixels(y)));
}

// Colour classes for one-pixel antialiased strokes over the window's dark
// blue: a stroke covering at least about half a pixel passes.
inline bool isGreen(const QColor& c) { return c.green() - c.red() > 60 && c.green() - c.blue() > 40; }
inline bool isGrey(const QColor& c) { return c.red() > 80 && std::abs(c.red() - c.green()) < 25; }
// Anything drawn at all, as opposed to the bare background.
inline bool isDrawn(const QColor& c) { return c.red() + c.green() > 80; }

// Whether some pixel within radiusPx of a point (twips) passes the test.
inline bool anyNear(const QImage& image, double x, double y, int radiusPx, const std::function<bool(const QColor&)>& test)
{
    const int cx = static_cast<int>(toolkit::toPixels(x));
    const int cy = static_cast<int>(toolkit::toPixels(y));
    for (int py = cy - radiusPx; py <= cy + radiusPx; ++py)
        for (int px = cx - radiusPx; px <= cx + radiusPx; ++px)
            if (image.valid(px, py) && test(image.pixelColor(px, py)))
                return true;
    return false;
}

// A point at a distance (twips) from a centre along a bearing (degrees
// clockwise from north).
inline QPointF alongBearing(QPointF centre, double bearing, double distance)
{
    const double a = bearing * M_PI / 180;
    return {centre.x() + distance * std::sin(a), centre.y() - distance * std::cos(a)};
}

// Walking out from a centre along a bearing, the distances (twips) at which
// each drawn stroke begins.
inline std::vector<double> strokesAlong(const QImage& image, QPointF centre, double bearing, double from, double to)
{
    std::vector<double> starts;
    bool inStroke = false;
    for (double d = from; d <= to; d += toolkit::TwipsPerPixel / 4) {
        const QPointF p = alongBearing(centre, bearing, d);
        const bool drawn = isDrawn(pixelAtTwips(image, p.x(), p.y()));
        if (drawn && !inStroke)
            starts.push_back(d);
        inStroke = drawn;
    }
    return starts;
}
