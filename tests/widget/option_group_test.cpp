// The toolkit's option buttons: one exclusive group per window, clearing
// one from code is silent, and they look as Qt's own radio buttons do but
// for the focus.
#include "support/dotted_rectangle.h"
#include "toolkit/option_button.h"
#include "toolkit/window.h"

#include <QImage>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <memory>
#include <utility>

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

// The hour panel's buttons, too narrow for their caption, a button wide
// enough to show it, and one with no caption, in every state a sailor can
// put them in.
TEST(OptionButtonLook, PaintsAsAQtRadioButtonInEveryStateAndStyleButShowsTheFocusDotted)
{
    for (const QString& styleName : {QStringLiteral("Fusion"), QStringLiteral("Windows")}) {
        const std::unique_ptr<QStyle> style(QStyleFactory::create(styleName));
        ASSERT_TRUE(style) << qPrintable(styleName);
        for (const auto& [caption, width] : {std::pair{"Option1", 192.0f}, {"Option1", 1500.0f}, {"", 192.0f}}) {
            toolkit::Window window(QStringLiteral("look"), 3000, 1500, toolkit::Window::Border::FixedSingle);
            toolkit::OptionButton ours(window, QString::fromLatin1(caption), {60, 60, width, 192}, 1);
            QRadioButton qts(QString::fromLatin1(caption), &window);
            qts.setAutoExclusive(false);
            qts.setGeometry(ours.geometry().translated(0, 30));
            for (QWidget* button : std::initializer_list<QWidget*>{&ours, &qts})
                button->setStyle(style.get());
            QWidget elsewhere(&window); // holds the focus until a button takes it
            elsewhere.setFocusPolicy(Qt::StrongFocus);
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
            elsewhere.setFocus();
            const auto same = [&](const char* state) {
                EXPECT_EQ(ours.grab().toImage(), qts.grab().toImage()) << qPrintable(styleName) << ", \"" << caption
                                                                       << "\" " << width << ", " << state;
            };
            same("cleared");
            ours.setChecked(true);
            qts.setChecked(true);
            same("selected");
            ours.setDown(true);
            qts.setDown(true);
            same("pressed");
            ours.setDown(false);
            qts.setDown(false);
            // The focus, not the style's frame: a dotted rectangle round the circle.
            ours.setFocus(Qt::TabFocusReason);
            ASSERT_TRUE(ours.hasFocus());
            const QImage focused = ours.grab().toImage();
            expectDottedRectangle(focused, qts.grab().toImage(), focused.rect());
            elsewhere.setFocus();
            ours.setEnabled(false);
            qts.setEnabled(false);
            same("disabled");
        }
    }
}

} // namespace
