#pragma once

#include "toolkit/event_handler.h"

#include <QAccessible>
#include <QRectF>
#include <QRegion>
#include <QString>

class QColor;
class QPainter;

namespace toolkit {

class Window;

// A windowless control (label, shape, line): its window paints it, above the
// persistent drawing and below every push and option button. It joins its
// window as it is made and leaves it as it goes. A property set reads back
// exactly as set at once and repaints only the area that changed; setting
// the value a property already has costs nothing. What a new caption looks
// like is worked out as the next frame begins, and painted in that frame.
class WindowlessControl {
public:
    explicit WindowlessControl(Window& owner);
    virtual ~WindowlessControl();
    WindowlessControl(const WindowlessControl&) = delete;
    WindowlessControl& operator=(const WindowlessControl&) = delete;

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

    // The keyboard, for a control its window has as a tab stop: whether it
    // has the focus, where that is shown, and the keys pressed meanwhile
    // (Qt's key code, and the modifier mask: 1 shift, 2 control, 4 alt).
    bool hasFocus() const;
    // Makes it a tab stop of its window, at that place in the tab order.
    void setTabPosition(int tabPosition);
    bool tabStop() const { return tabStop_; }
    virtual QRectF focusArea() const { return paintedArea(); }
    // Where the focus is drawn around it, clear of what it surrounds.
    QRectF focusRing() const { return focusArea().adjusted(-2, -2, 2, 2); }
    // Whether a screen reader may find the focus on it; a tab stop, or a
    // control that takes the focus some other way.
    virtual bool focusable() const { return tabStop_; }
    // Hands a key on to onKeyDown; a control may handle some keys itself.
    virtual void keyDown(int key, int shift);
    EventHandler<int, int> onKeyDown;

    // What assistive technology reads. A shape or a line is read only once
    // it has a name; a label is read by its text.
    const QString& accessibleName() const { return accessibleName_; }
    void setAccessibleName(const QString& name);
    QString accessibleDescription() const { return describe_ ? describe_() : accessibleDescription_; }
    void setAccessibleDescription(const QString& description);
    // A description worked out each time it is read, for what changes too
    // often to be written on every change.
    void describeBy(std::function<QString()> describe) { describe_ = std::move(describe); }
    virtual QAccessible::Role accessibleRole() const { return QAccessible::Graphic; }
    // The text shown, each line break as a line feed; empty for a figure.
    virtual QString accessibleText() const { return {}; }
    // Whether assistive technology finds it among its window's children.
    virtual bool readable() const { return visible_ && !accessibleName_.isEmpty(); }
    // Where it lies on its window, in logical pixels.
    virtual QRectF accessibleArea() const { return paintedArea(); }
    // Where one character of that text lies, likewise; empty where none.
    virtual QRectF accessibleCharacterArea(int /*position*/) const { return {}; }
    // Where a screen reader's caret stands in that text, for a text read
    // from the keyboard.
    virtual int accessibleCaret() const { return 0; }
    Window& window() const { return owner_; }
    // Made when assistive technology first asks, owned by this control.
    QAccessibleInterface* accessible() const;

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
        const QRectF before = repaintedArea();
        property = value;
        invalidate(before | repaintedArea());
    }

    void invalidate(const QRectF& area);
    // What it paints, and its focus while it has it.
    QRectF repaintedArea() const { return hasFocus() ? paintedArea() | focusRing() : paintedArea(); }
    void invalidateWholePixels(const QRect& pixels);
    // Tells assistive technology, when any listens, that the text changed.
    void announceTextChange(const QString& before) const;

    // A border of the given width just inside a box on whole pixels. Filled
    // rather than stroked: Qt's thin antialiased pens leave the corners pale.
    static void paintFrame(QPainter& painter, const QRectF& box, double pixels, const QColor& colour);

private:
    void announce(QAccessible::Event event) const;
    void setAnnounced(QString& property, const QString& value, QAccessible::Event change);

    Window& owner_;
    bool visible_ = true;
    bool tabStop_ = false;
    QString accessibleName_;
    QString accessibleDescription_;
    std::function<QString()> describe_;
    mutable QAccessible::Id accessibleId_ = 0;
};

} // namespace toolkit
