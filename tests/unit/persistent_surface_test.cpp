// The persistent drawing on its own: drawn at the density of the screen it
// is shown on, and redrawn from what was drawn when that density changes.
#include "toolkit/persistent_surface.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using toolkit::PersistentSurface;

namespace {

const QColor Background(3, 0, 99);
const QColor Grey(190, 190, 190);
const QSize Logical(40, 30);

// The surface as a window of that density would show it, in device pixels.
QImage shown(PersistentSurface& surface, double devicePixelRatio)
{
    QImage device(Logical * devicePixelRatio, QImage::Format_RGB32);
    device.setDevicePixelRatio(devicePixelRatio);
    device.fill(Qt::white);
    QPainter painter(&device);
    surface.paint(painter, Logical, devicePixelRatio);
    return device;
}

TEST(PersistentSurface, OnADoubleDensityScreenALineIsTwoSharpDeviceRows)
{
    PersistentSurface surface;
    surface.clear(Background);
    // Logical row boundary 10: a one-pixel pen there covers 9.5 to 10.5
    // logical pixels, which is device rows 19 and 20 exactly. Scaled up from
    // a single-density drawing it would smear over rows 18 to 21.
    surface.drawLine(0, 150, 600, 150, Grey);
    const QImage image = shown(surface, 2);
    ASSERT_EQ(image.size(), QSize(80, 60));
    for (int x : {10, 40, 70}) {
        EXPECT_EQ(image.pixelColor(x, 19), Grey) << x;
        EXPECT_EQ(image.pixelColor(x, 20), Grey) << x;
        EXPECT_EQ(image.pixelColor(x, 18), Background) << x;
        EXPECT_EQ(image.pixelColor(x, 21), Background) << x;
    }
}

TEST(PersistentSurface, AChangeOfDensityRedrawsWhatWasDrawn)
{
    PersistentSurface surface;
    surface.clear(Background);
    surface.drawCircle(300, 225, 150, Grey); // top at (20, 5) logical
    const QImage single = shown(surface, 1);
    EXPECT_GT(shown(surface, 2).pixelColor(40, 10).red(), 90);
    EXPECT_EQ(shown(surface, 1), single);
}

} // namespace
