// What assistive technology finds at a point of a window, as a screen
// reader's pointer review asks: a button over any windowless control, and
// among those the one in front that it can read.
#include "toolkit/label.h"
#include "toolkit/push_button.h"
#include "toolkit/shape.h"
#include "toolkit/window.h"

#include <QAccessible>
#include <QTest>

#include <gtest/gtest.h>

using namespace toolkit;

TEST(AccessibleWindow, ChildAtFindsWhatLiesInFrontAndCanBeRead)
{
    Window window(QStringLiteral("points"), 3000, 3000, Window::Border::FixedSingle);
    // Made back to front: the panel behind, the spot in front.
    Label panel(window);
    panel.setBox(0, 0, 3000, 1500);
    panel.setCaption(QStringLiteral("Panneau"));
    Shape figure(window, ShapeKind::Circle); // unnamed, so not read
    figure.setBox(300, 300, 600, 600);
    figure.setFillColor(Qt::red);
    Shape spot(window, ShapeKind::Circle);
    spot.setBox(1500, 300, 600, 600);
    spot.setAccessibleName(QStringLiteral("bateau"));
    PushButton button(window, QStringLiteral("Aide"), TwipsBox{300, 1200, 900, 600}, 0);
    window.move(40, 30); // away from the screen's origin, so a point must be mapped
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&window);
    ASSERT_NE(accessible, nullptr);
    const auto at = [&](float x, float y) {
        const QPoint global = window.mapToGlobal(pixelPoint(x, y).toPoint());
        return accessible->childAt(global.x(), global.y());
    };
    EXPECT_EQ(at(600, 600), panel.accessible()) << "the unnamed figure in front hides nothing";
    EXPECT_EQ(at(1800, 600), spot.accessible());
    EXPECT_EQ(at(600, 1400), QAccessible::queryAccessibleInterface(&button)) << "the button lies over the panel";
    EXPECT_EQ(at(1500, 2500), nullptr);

    spot.setVisible(false);
    EXPECT_EQ(at(1800, 600), panel.accessible());
    button.hide();
    EXPECT_EQ(at(600, 1400), panel.accessible());
}
