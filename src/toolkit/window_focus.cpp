// The keyboard focus among a window's buttons and its windowless controls.
// Qt knows only widgets, so while a windowless control has the focus the
// window itself holds Qt's, and hands the keys on to the control. One tab
// cycle runs through both kinds by tab position.
#include "toolkit/classic_look.h"
#include "toolkit/windowless_control.h"
#include "toolkit/window.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace toolkit {

struct Window::TabStop {
    QWidget* button;
    WindowlessControl* control;

    bool takesFocus(const QWidget& window) const
    {
        if (control)
            return control->visible();
        return (button->focusPolicy() & Qt::TabFocus) && button->isVisibleTo(&window) && button->isEnabled();
    }
};

void WindowlessControl::setTabPosition(int tabPosition)
{
    tabStop_ = true;
    owner_.adoptTabStop(this, tabPosition);
}

std::vector<Window::TabStop> Window::tabCycle() const
{
    std::map<int, TabStop> byPosition;
    for (const auto& [position, button] : tabStops_)
        byPosition[position] = {button, nullptr};
    for (const auto& [position, control] : windowlessStops_)
        byPosition[position] = {nullptr, control};
    std::vector<TabStop> cycle;
    for (const auto& [position, stop] : byPosition)
        cycle.push_back(stop);
    return cycle;
}

bool Window::focusNextPrevChild(bool next)
{
    if (windowlessStops_.empty())
        return QWidget::focusNextPrevChild(next);
    const std::vector<TabStop> cycle = tabCycle();
    const auto here = std::find_if(cycle.begin(), cycle.end(), [&](const TabStop& stop) {
        return stop.control ? stop.control == focused_ && hasFocus() : stop.button == focusWidget();
    });
    if (here == cycle.end())
        return QWidget::focusNextPrevChild(next);
    const auto size = static_cast<std::ptrdiff_t>(cycle.size());
    std::ptrdiff_t index = here - cycle.begin();
    for (std::ptrdiff_t step = 1; step < size; ++step) {
        const TabStop& stop = cycle[static_cast<std::size_t>(((index + (next ? step : -step)) % size + size) % size)];
        if (!stop.takesFocus(*this))
            continue;
        const Qt::FocusReason reason = next ? Qt::TabFocusReason : Qt::BacktabFocusReason;
        if (stop.control)
            focusControl(stop.control, reason);
        else
            stop.button->setFocus(reason);
        return true;
    }
    return true;
}

bool WindowlessControl::hasFocus() const { return window().focusedControl() == this && window().hasFocus(); }

void Window::focusControl(WindowlessControl* control, Qt::FocusReason reason)
{
    if (control == focused_ && hasFocus())
        return;
    WindowlessControl* before = focused_;
    focused_ = control;
    showFocusOf(before);
    showFocusOf(control);
    // A window taking the focus announces the control itself, once it has
    // it (see focusInEvent).
    if (hasFocus())
        announceFocus();
    else
        setFocus(reason);
}

void Window::keyPressEvent(QKeyEvent* event)
{
    if (!focused_ || !hasFocus()) {
        QWidget::keyPressEvent(event);
        return;
    }
    focused_->keyDown(event->key(), modifierMask(event->modifiers()));
}

// A screen reader hears of the control each time its window takes the
// focus, as it does of a focused button: after Qt has announced the window
// itself, which it does once this event is handled.
void Window::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    showFocusOf(focused_);
    if (focused_ && QAccessible::isActive())
        QMetaObject::invokeMethod(this, &Window::announceFocus, Qt::QueuedConnection);
}

void Window::announceFocus() const
{
    if (!focused_ || !hasFocus() || !QAccessible::isActive())
        return;
    QAccessibleEvent focus(focused_->accessible(), QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

// A button taking the focus takes it from the windowless control too; the
// window merely going to the background keeps it for its return.
void Window::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    const WindowlessControl* had = focused_;
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        focused_ = nullptr;
    showFocusOf(had);
}

void Window::showFocusOf(const WindowlessControl* control)
{
    if (control)
        invalidatePixels(control->focusRing());
}

void Window::paintFocus(QPainter& painter) const
{
    if (!focused_ || !hasFocus() || !focused_->visible())
        return;
    // Whole device pixels, each exactly black or white.
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintFocusRing(painter, focused_->focusRing());
}

} // namespace toolkit
