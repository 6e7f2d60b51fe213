// The toolkit's option buttons: one exclusive group per window, and
// clearing one from code is silent.
#include "toolkit/option_button.h"
#include "toolkit/window.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(OptionGroup, AClickSelectsOneAndClearingFromCodeRaisesNoClick)
{
    toolkit::Window window(QStringLiteral("group"), 1500, 1500, toolkit::Window::Border::FixedSingle);
    toolkit::OptionButton first(window, QStringLiteral("Option1"), {60, 60, 192, 192}, 1);
    toolkit::OptionButton second(window, QStringLiteral("Option1"), {60, 300, 192, 192}, 2);
    int clicks[2] = {};
    first.onClick = [&] { ++clicks[0]; };
    second.onClick = [&] { ++clicks[1]; };

    QTest::mouseClick(&first, Qt::LeftButton);
    QTest::mouseClick(&second, Qt::LeftButton);
    QTest::mouseClick(&second, Qt::LeftButton); // still selected, still a click
    EXPECT_FALSE(first.value());
    EXPECT_TRUE(second.value());
    second.setValue(false);
    first.setValue(false);
    EXPECT_FALSE(second.value());
    EXPECT_EQ(clicks[0], 1);
    EXPECT_EQ(clicks[1], 2);
}

} // namespace
