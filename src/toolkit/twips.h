#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>

#include <cmath>

// The tool lays out and measures everything in twips (1/1440 inch). One
// logical pixel is 15 twips; Qt's device pixel ratio maps logical pixels to
// the screen. Where a border or an edge must fall on whole device pixels, as
// at 125 % or 150 %, device_pixels.h snaps it there.
namespace toolkit {

inline constexpr double TwipsPerPixel = 15.0;

inline double toPixels(double twips) { return twips / TwipsPerPixel; }
inline float toTwips(double pixels) { return static_cast<float>(pixels * TwipsPerPixel); }

// The farthest from the origin, in logical pixels, that a position or a size
// may lie: a box's far edge is the sum of two of them, and Qt works them at
// device ratios up to 8, all within an int.
inline constexpr double MaxPixels = 1 << 26;

// A position or size as a window can place it: raises InvalidPropertyValue
// for one that is not finite, and Overflow for one whose pixels would not
// fit (beyond MaxPixels).
float checkedTwips(float twips);

// The whole logical pixel nearest to a length or position.
inline int wholePixels(double twips) { return static_cast<int>(std::lround(toPixels(twips))); }

inline QRectF pixelRect(double left, double top, double width, double height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

inline QPointF pixelPoint(double x, double y) { return {toPixels(x), toPixels(y)}; }

// A box on whole logical pixels, each edge on the nearest pixel boundary, so
// that its fill and one-pixel border come out crisp rather than smeared
// over two rows; neighbours that meet in twips still meet in pixels.
inline QRect wholePixelRect(double left, double top, double width, double height)
{
    return QRect(QPoint(wholePixels(left), wholePixels(top)),
                 QPoint(wholePixels(left + width) - 1, wholePixels(top + height) - 1));
}

} // namespace toolkit
