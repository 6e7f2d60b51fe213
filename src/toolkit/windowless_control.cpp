#include "toolkit/windowless_control.h"

#include "toolkit/accessible_control.h"
#include "toolkit/window.h"

#include <QPainter>
#include <QPainterPath>

namespace toolkit {

WindowlessControl::WindowlessControl(Window& owner) : owner_(owner) { owner_.adopt(this); }

WindowlessControl::~WindowlessControl()
{
    owner_.release(this);
    if (accessibleId_)
        QAccessible::deleteAccessibleInterface(accessibleId_);
}

void WindowlessControl::setVisible(bool visible)
{
    if (visible_ == visible)
        return;
    const bool wasReadable = readable();
    visible_ = visible;
    invalidate(repaintedArea());
    if (QAccessible::isActive() && readable() != wasReadable)
        announce(visible ? QAccessible::ObjectShow : QAccessible::ObjectHide);
}

void WindowlessControl::setAccessibleName(const QString& name)
{
    setAnnounced(accessibleName_, name, QAccessible::NameChanged);
}

void WindowlessControl::setAccessibleDescription(const QString& description)
{
    setAnnounced(accessibleDescription_, description, QAccessible::DescriptionChanged);
}

void WindowlessControl::setAnnounced(QString& property, const QString& value, QAccessible::Event change)
{
    if (property == value)
        return;
    property = value;
    if (QAccessible::isActive())
        announce(change);
}

QAccessibleInterface* WindowlessControl::accessible() const
{
    if (!accessibleId_)
        accessibleId_ = QAccessible::registerAccessibleInterface(new AccessibleControl(*this));
    return QAccessible::accessibleInterface(accessibleId_);
}

void WindowlessControl::announce(QAccessible::Event event) const
{
    QAccessibleEvent change(accessible(), event);
    QAccessible::updateAccessibility(&change);
}

// A label is named by its text, so the name changes with it.
void WindowlessControl::announceTextChange(const QString& before) const
{
    QAccessibleTextUpdateEvent change(accessible(), 0, before, accessibleText());
    QAccessible::updateAccessibility(&change);
    if (accessibleName_.isEmpty())
        announce(QAccessible::NameChanged);
}

void WindowlessControl::keyDown(int key, int shift)
{
    if (onKeyDown)
        onKeyDown(key, shift);
}

void WindowlessControl::paintFrame(QPainter& painter, const QRectF& box, double pixels, const QColor& colour)
{
    QPainterPath frame;
    frame.addRect(box);
    frame.addRect(box.adjusted(pixels, pixels, -pixels, -pixels));
    painter.fillPath(frame, colour); // odd-even: the ring between the two
}

void WindowlessControl::invalidate(const QRectF& area) { owner_.invalidatePixels(area); }

void WindowlessControl::invalidateWholePixels(const QRect& pixels) { owner_.invalidateWholePixels(pixels); }

} // namespace toolkit
