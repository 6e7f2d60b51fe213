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

namespace {
// A box's edges on whole device pixels, and the width of a one-pixel line
// there, as the focus is drawn.
struct DeviceEdges {
    int left, top, right, bottom, dot;
    QTransform toLogical;
};

DeviceEdges deviceEdges(const QPainter& painter, const QRectF& box)
{
    const QTransform toDevice = painter.deviceTransform();
    const QRectF device = toDevice.mapRect(box);
    return {static_cast<int>(std::lround(device.left())), static_cast<int>(std::lround(device.top())),
            static_cast<int>(std::lround(device.right())), static_cast<int>(std::lround(device.bottom())),
            static_cast<int>(std::lround(deviceLineWidth(painter, 1) * toDevice.m11())), toDevice.inverted()};
}

// One-pixel dots along the edges, `period` device pixels apart: as far
// apart as they are wide gives a solid line.
void paintDots(QPainter& painter, const DeviceEdges& edges, int period, const QColor& colour)
{
    const int dot = edges.dot;
    const auto dotAt = [&](int x, int y) { painter.fillRect(edges.toLogical.mapRect(QRectF(x, y, dot, dot)), colour); };
    for (int x = edges.left; x + dot <= edges.right; x += period) {
        dotAt(x, edges.top);
        dotAt(x, edges.bottom - dot);
    }
    for (int y = edges.top; y + dot <= edges.bottom; y += period) {
        dotAt(edges.left, y);
        dotAt(edges.right - dot, y);
    }
}
} // namespace

void paintFocusRectangle(QPainter& painter, const QRectF& box, const QColor& colour)
{
    const DeviceEdges edges = deviceEdges(painter, box);
    paintDots(painter, edges, 2 * edges.dot, colour);
}

void paintFocusRing(QPainter& painter, const QRectF& box)
{
    const DeviceEdges edges = deviceEdges(painter, box);
    paintDots(painter, edges, edges.dot, Qt::white);
    paintDots(painter, edges, 2 * edges.dot, Qt::black);
}

} // namespace toolkit
