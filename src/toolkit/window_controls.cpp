// A window's windowless controls: the one list, back to front, that its
// painting, its pointer and assistive technology all go by.
#include "toolkit/light_control.h"
#include "toolkit/window.h"

#include <algorithm>
#include <ranges>

namespace toolkit {

void Window::adopt(LightControl* control) { backToFront_.push_back(control); }

void Window::release(const LightControl* control)
{
    backToFront_.erase(std::remove(backToFront_.begin(), backToFront_.end(), control), backToFront_.end());
    forgetUnsettled(control);
    std::erase_if(windowlessStops_, [&](const auto& stop) { return stop.second == control; });
    if (focused_ == control)
        focused_ = nullptr;
}

void Window::setDrawingOrder(const std::vector<const LightControl*>& frontFirst)
{
    std::vector<LightControl*> leftOut = backToFront_;
    std::vector<LightControl*> ordered;
    ordered.reserve(backToFront_.size());
    for (const LightControl* control : frontFirst | std::views::reverse) {
        const auto mine = std::find(leftOut.begin(), leftOut.end(), control);
        if (mine == leftOut.end()) {
            qCritical("toolkit: a control listed twice or not of window \"%s\" in its drawing order",
                      qPrintable(windowTitle()));
            Q_ASSERT_X(false, "Window::setDrawingOrder", "a control listed twice or not of this window");
            continue;
        }
        ordered.push_back(*mine);
        leftOut.erase(mine);
    }
    if (!leftOut.empty()) {
        qCritical("toolkit: %d control(s) of window \"%s\" left out of its drawing order",
                  static_cast<int>(leftOut.size()), qPrintable(windowTitle()));
        Q_ASSERT_X(false, "Window::setDrawingOrder", "a control left out of the drawing order");
    }
    ordered.insert(ordered.begin(), leftOut.begin(), leftOut.end());
    backToFront_ = std::move(ordered);
    update();
}

void Window::forgetUnsettled(const LightControl* control)
{
    unsettled_.erase(std::remove(unsettled_.begin(), unsettled_.end(), control), unsettled_.end());
}

} // namespace toolkit
