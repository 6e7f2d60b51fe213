#include "toolkit/accessible_window.h"

#include "toolkit/accessible_button.h"
#include "toolkit/windowless_control.h"
#include "toolkit/option_button.h"
#include "toolkit/push_button.h"
#include "toolkit/window.h"

#include <algorithm>
#include <ranges>
#include <utility>

namespace toolkit {

namespace {
QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    if (className == QLatin1String(Window::staticMetaObject.className()))
        return new AccessibleWindow(static_cast<Window*>(object));
    if (className == QLatin1String(OptionButton::staticMetaObject.className())
        || className == QLatin1String(PushButton::staticMetaObject.className()))
        return new AccessibleButton(static_cast<QAbstractButton*>(object));
    return nullptr;
}

std::vector<QWidget*> buttonsOf(const QWidget& window)
{
    std::vector<QWidget*> buttons;
    for (QObject* child : window.children())
        if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow())
            buttons.push_back(widget);
    return buttons;
}
} // namespace

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(accessibleFor), true);
    Q_UNUSED(installed);
}

AccessibleWindow::AccessibleWindow(Window* window) : QAccessibleWidget(window, QAccessible::Window) {}

const Window& AccessibleWindow::toolkitWindow() const { return *static_cast<const Window*>(widget()); }

std::vector<QAccessibleInterface*> AccessibleWindow::children() const
{
    std::vector<std::pair<QRect, QAccessibleInterface*>> placed;
    for (QWidget* button : buttonsOf(toolkitWindow()))
        if (QAccessibleInterface* child = QAccessible::queryAccessibleInterface(button))
            placed.emplace_back(button->geometry(), child);
    for (const WindowlessControl* control : toolkitWindow().controls())
        if (control->readable())
            placed.emplace_back(control->accessibleArea().toAlignedRect(), control->accessible());
    std::ranges::stable_sort(placed, [](const auto& a, const auto& b) {
        return std::pair(a.first.top(), a.first.left()) < std::pair(b.first.top(), b.first.left());
    });
    std::vector<QAccessibleInterface*> children;
    children.reserve(placed.size());
    for (const auto& [area, child] : placed)
        children.push_back(child);
    return children;
}

int AccessibleWindow::childCount() const { return static_cast<int>(children().size()); }

QAccessibleInterface* AccessibleWindow::child(int index) const
{
    const std::vector<QAccessibleInterface*> all = children();
    return index >= 0 && index < static_cast<int>(all.size()) ? all[static_cast<std::size_t>(index)] : nullptr;
}

int AccessibleWindow::indexOfChild(const QAccessibleInterface* child) const
{
    const std::vector<QAccessibleInterface*> all = children();
    const auto found = std::ranges::find(all, child);
    return found == all.end() ? -1 : static_cast<int>(found - all.begin());
}

// What lies in front at that point: a button over any windowless control,
// and among those the one painted last.
QAccessibleInterface* AccessibleWindow::childAt(int x, int y) const
{
    const QPoint at = toolkitWindow().mapFromGlobal(QPoint(x, y));
    for (QWidget* button : buttonsOf(toolkitWindow()))
        if (button->isVisible() && button->geometry().contains(at))
            return QAccessible::queryAccessibleInterface(button);
    for (const WindowlessControl* control : toolkitWindow().controls() | std::views::reverse)
        if (control->readable() && control->accessibleArea().contains(at))
            return control->accessible();
    return nullptr;
}

// A windowless control with the focus is where the window's focus lies.
QAccessibleInterface* AccessibleWindow::focusChild() const
{
    const WindowlessControl* focused = toolkitWindow().focusedControl();
    return focused && focused->hasFocus() ? focused->accessible() : QAccessibleWidget::focusChild();
}

} // namespace toolkit
