#include "toolkit/drawing_order.h"

#include <QtGlobal>

#include <algorithm>
#include <ranges>

namespace toolkit {

void DrawingOrder::remove(const LightControl* control)
{
    backToFront_.erase(std::remove(backToFront_.begin(), backToFront_.end(), control), backToFront_.end());
}

void DrawingOrder::reorder(const std::vector<const LightControl*>& frontFirst, const QString& windowName)
{
    std::vector<LightControl*> leftOut = backToFront_;
    std::vector<LightControl*> ordered;
    ordered.reserve(backToFront_.size());
    for (const LightControl* control : frontFirst | std::views::reverse) {
        const auto mine = std::find(leftOut.begin(), leftOut.end(), control);
        if (mine == leftOut.end()) {
            qCritical("toolkit: a control listed twice or not of window \"%s\" in its drawing order",
                      qPrintable(windowName));
            Q_ASSERT_X(false, "DrawingOrder::reorder", "a control listed twice or not of this window");
            continue;
        }
        ordered.push_back(*mine);
        leftOut.erase(mine);
    }
    if (!leftOut.empty()) {
        qCritical("toolkit: %d control(s) of window \"%s\" left out of its drawing order",
                  static_cast<int>(leftOut.size()), qPrintable(windowName));
        Q_ASSERT_X(false, "DrawingOrder::reorder", "a control left out of the drawing order");
    }
    ordered.insert(ordered.begin(), leftOut.begin(), leftOut.end());
    backToFront_ = std::move(ordered);
}

} // namespace toolkit
