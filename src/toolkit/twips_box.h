#pragma once

#include "toolkit/twips.h"

#include <QRect>

namespace toolkit {

// The box of a native child control, kept in twips as set; the widget itself
// sits on the nearest whole logical pixels.
struct TwipsBox {
    float left = 0, top = 0, width = 0, height = 0;

    QRect pixels() const { return wholePixelRect(left, top, width, height); }
};

} // namespace toolkit
