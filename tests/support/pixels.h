#pragma once

#include "toolkit/twips.h"

#include <QColor>
#include <QImage>
#include <QWidget>

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
