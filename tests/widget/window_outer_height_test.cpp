#include "toolkit/window.h"

#include <gtest/gtest.h>

// The outer height counts the frame, which a window manager adds only once
// the window is shown; the offscreen platform frames a window as it shows.

namespace {

using toolkit::Window;

TEST(WindowOuterHeight, CountsTheFrameOfAShownWindowAndKeepsTheWidth)
{
    Window window(QStringLiteral("Aide"), 13200, 1710, Window::Border::Sizable);
    window.show();
    const int frame = window.frameGeometry().height() - window.height();
    ASSERT_GT(frame, 0);

    window.setOuterHeight(6000);
    EXPECT_EQ(window.frameGeometry().height(), 400);
    EXPECT_EQ(window.height(), 400 - frame);
    EXPECT_EQ(window.width(), 880);
}

TEST(WindowOuterHeight, AskedBeforeTheFrameExistsIsFittedOnceItDoes)
{
    Window window(QStringLiteral("Aide"), 13200, 1710, Window::Border::Sizable);
    window.setOuterHeight(6000);
    EXPECT_EQ(window.height(), 400);

    window.show();
    EXPECT_EQ(window.frameGeometry().height(), 400);
    EXPECT_EQ(window.width(), 880);

    // Once fitted, the height is the user's: moving the window keeps it.
    window.resize(880, 300);
    window.move(40, 50);
    EXPECT_EQ(window.height(), 300);
}

} // namespace
