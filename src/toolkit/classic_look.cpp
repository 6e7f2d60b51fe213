#include "toolkit/classic_look.h"

#include "toolkit/device_pixels.h"
#include "toolkit/system_colours.h"

#include <QPainter>

#include <cmath>

namespace toolkit {

namespace {
// From the outer edge: the dark line and the bevel, then a pixel of face.
constexpr double FocusInset = 3;
} // namespace

void paintClassicButton(QPainter& painter, const QRect& box, const ButtonState& state, const QString& caption)
{
    const double line = deviceLineWidth(painter, 1);
    const QRectF outer = onDevicePixels(painter, box);
    const QRectF bevel = outer.adjusted(line, line, -line, -line);
    const QRectF face = bevel.adjusted(line, line, -line, -line);
    painter.fillRect(outer, systemColour(SystemColour::ButtonDarkShadow));
    painter.fillRect(bevel, systemColour(SystemColour::ButtonShadow));
    if (!state.down)
        painter.fillRect(bevel.adjusted(0, 0, -line, -line), systemColour(SystemColour::ButtonHighlight));
    painter.fillRect(face, state.face);

    painter.setPen(state.text);
    painter.drawText(state.down ? face.translated(line, line) : face, Qt::AlignCenter, caption);
    if (state.focused)
        paintFocusRectangle(painter, QRectF(box).adjusted(FocusInset, FocusInset, -FocusInset, -FocusInset),
                            state.text);
}

void paintFocusRectangle(QPainter& painter, const QRectF& box, const QColor& colour)
{
    // Worked out in device pixels, where the dots alternate, each as wide
    // as a one-pixel line.
    const QTransform toDevice = painter.deviceTransform();
    const QTransform toLogical = toDevice.inverted();
    const QRectF device = toDevice.mapRect(box);
    const int left = static_cast<int>(std::lround(device.left()));
    const int top = static_cast<int>(std::lround(device.top()));
    const int right = static_cast<int>(std::lround(device.right()));
    const int bottom = static_cast<int>(std::lround(device.bottom()));
    const int dot = static_cast<int>(std::lround(deviceLineWidth(painter, 1) * toDevice.m11()));
    const auto dotAt = [&](int x, int y) { painter.fillRect(toLogical.mapRect(QRectF(x, y, dot, dot)), colour); };
    for (int x = left; x + dot <= right; x += 2 * dot) {
        dotAt(x, top);
        dotAt(x, bottom - dot);
    }
    for (int y = top; y + dot <= bottom; y += 2 * dot) {
        dotAt(left, y);
        dotAt(right - dot, y);
    }
}

} // namespace toolkit
