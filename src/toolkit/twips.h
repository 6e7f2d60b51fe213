#pragma once

#include <QPointF>
#include <QRectF>

// The tool lays out and measures everything in twips (1/1440 inch). One
// logical pixel is 15 twips; Qt's device pixel ratio maps logical pixels to
// the screen, so high-density screens need nothing more here.
namespace toolkit {

inline constexpr double TwipsPerPixel = 15.0;

inline double toPixels(double twips) { return twips / TwipsPerPixel; }
inline float toTwips(double pixels) { return static_cast<float>(pixels * TwipsPerPixel); }

inline QRectF pixelRect(double left, double top, double width, double height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

inline QPointF pixelPoint(double x, double y) { return {toPixels(x), toPixels(y)}; }

} // namespace toolkit
