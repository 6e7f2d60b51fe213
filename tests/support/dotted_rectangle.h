#pragma once

#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

#include <vector>

// `focused` differs from `unfocused` only inside `within`, or in `ignored`,
// and there by a dotted rectangle: the pixels that differ all lie on the
// edge of their bounding box, `line` pixels deep, and cover from a quarter
// to three quarters of it (the dots falling on black text change nothing).
inline void expectDottedRectangle(const QImage& focused, const QImage& unfocused, const QRect& within,
                                  const QRect& ignored = {}, int line = 1)
{
    std::vector<QPoint> differing;
    for (int y = 0; y < focused.height(); ++y)
        for (int x = 0; x < focused.width(); ++x)
            if (focused.pixel(x, y) != unfocused.pixel(x, y) && !ignored.contains(x, y)) {
                ASSERT_TRUE(within.contains(x, y)) << x << "," << y;
                differing.emplace_back(x, y);
            }
    ASSERT_FALSE(differing.empty());
    QRect dotted;
    for (QPoint p : differing)
        dotted |= QRect(p, QSize(1, 1));
    const QRect inside = dotted.adjusted(line, line, -line, -line);
    for (QPoint p : differing)
        EXPECT_FALSE(inside.contains(p)) << p.x() << "," << p.y();
    const int edge = dotted.width() * dotted.height() - inside.width() * inside.height();
    EXPECT_GT(4 * static_cast<int>(differing.size()), edge);
    EXPECT_LT(4 * static_cast<int>(differing.size()), 3 * edge);
}
