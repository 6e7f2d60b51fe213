#pragma once

#include <QRectF>
#include <QRegion>

class QColor;
class QPainter;

namespace toolkit {

class Window;

// A windowless control (label, shape, line): its window paints it, above the
// persistent drawing and below every push and option button. A property set
// takes effect at once, reads back exactly as set, and repaints only the
// area that changed; setting the value a property already has costs nothing.
class LightControl {
public:
    explicit LightControl(Window& owner) : owner_(owner) {}
    virtual ~LightControl() = default;
    LightControl(const LightControl&) = delete;
    LightControl& operator=(const LightControl&) = delete;

    bool visible() const { return visible_; }
    void setVisible(bool visible);

    // Paints in the window's logical pixels. Only `exposed` is being
    // repainted: a part that misses it may be left out.
    virtual void paint(QPainter& painter, const QRegion& exposed) const = 0;
    // What paint() may touch, in logical pixels.
    virtual QRectF paintedArea() const = 0;
    // Whether the pointer stops here instead of reaching the window.
    virtual bool takesPointerAt(QPointF /*pixel*/) const { return false; }
    // Called as a frame begins: work left until then is done now, and what
    // it changes is marked for repainting in this frame.
    virtual void settle() {}

protected:
    // Sets a property, repainting the union of the old and new areas when
    // the value really changes.
    template <class T, class U>
    void assign(T& property, const U& value)
    {
        if (property == value)
            return;
        if (!visible_) {
            property = value;
            return;
        }
        const QRectF before = paintedArea();
        property = value;
        invalidate(before | paintedArea());
    }

    Window& window() const { return owner_; }
    void invalidate(const QRectF& area);
    void invalidateWholePixels(const QRect& pixels);

    // Raises InvalidPropertyValue for a position or size that is not finite,
    // Overflow for one whose pixels do not fit (see checkedTwips).
    static float checkedCoordinate(float twips);

    // A border of the given width just inside a box on whole pixels. Filled
    // rather than stroked: Qt's thin antialiased pens leave the corners pale.
    static void paintFrame(QPainter& painter, const QRectF& box, double pixels, const QColor& colour);

private:
    Window& owner_;
    bool visible_ = true;
};

} // namespace toolkit
