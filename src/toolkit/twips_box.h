#pragma once

#include "toolkit/twips.h"

#include <QRect>

#include <cmath>

namespace toolkit {

// The box of a native child control, kept in twips as set; the widget itself
// sits on the nearest whole logical pixels.
struct TwipsBox {
    float left = 0, top = 0, width = 0, height = 0;

    QRect pixels() const
    {
        const auto px = [](double twips) { return static_cast<int>(std::lround(toPixels(twips))); };
        return QRect(QPoint(px(left), px(top)), QPoint(px(left + width) - 1, px(top + height) - 1));
    }
};

} // namespace toolkit
